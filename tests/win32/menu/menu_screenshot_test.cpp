// A real popup menu drawn by the styler, as the user sees it in both styles: saved as
// menu_windows.png and menu_office.png beside the test program, and checked at telling pixels.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/window_capture.h"
#include "framework/system_colors.h"
#include "styler_fixture.h"

namespace {

constexpr UINT_PTR ScriptTimer = 1;

class MenuScreenshot : public StylerFixture {
protected:
  MenuScreenshot() {
    // The form owns the popup, so the platform asks it to measure and draw; it hands the
    // requests to the styler and prepares the banner as each popup opens.
    for (UINT message : {UINT{WM_MEASUREITEM}, UINT{WM_DRAWITEM}}) {
      form->SetMessageHandler(message, [this](TMessage& m) { styler.Dispatch(m); });
    }
    form->SetMessageHandler(WM_INITMENUPOPUP, [this](TMessage& m) {
      if (reinterpret_cast<HMENU>(m.WParam) == menu.Handle()) styler.AttachItems(menu.Items());
      styler.Banner().UpdateBannerSize();
      styler.Banner().PaintBanner();
    });
    form->SetMessageHandler(WM_TIMER, [this](TMessage&) { Step(); });
    BuildMenu();
  }

  int FileIcon(const wchar_t* extension) {
    SHFILEINFOW info{};
    ::SHGetFileInfoW(extension, FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                     SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
    const TIconHandle icon(info.hIcon);
    return icon ? images.AddIcon(icon.Get()) : AddImage(RGB(0, 120, 200), 2);
  }

  void BuildMenu() {
    open = &AddItem(L"このフォルダを開く");
    open->SetDefault(true);
    AddItem(L"-");
    notes = &AddItem(L"メモ帳.txt");
    styler.SetItemImage(*notes, FileIcon(L".txt"), L"C:\\Menu\\メモ帳.txt");
    TMenuItem& program = AddItem(L"電卓.exe");
    styler.SetItemImage(program, FileIcon(L".exe"), L"C:\\Menu\\電卓.exe");
    checked = &AddItem(L"チェック付き");
    checked->SetChecked(true);
    disabled = &AddItem(L"使えない項目.txt");
    disabled->SetEnabled(false);
    styler.SetItemImage(*disabled, FileIcon(L".txt"), L"");
    TMenuItem& folder = AddItem(L"<サブフォルダ>");
    AddItem(L"中の項目.txt", &folder);
    AddItem(L"キャンセル");

    SetStateColors(clHighlight, clHighlightText, clMenu, clMenuText);
    ShowLauncherBanner(styler);
  }

  // Opens the menu, highlights the item after the default one, photographs it and closes it.
  void Photograph(const std::wstring& file) {
    step = 0;
    shot.reset();
    ::SetTimer(form->Handle(), ScriptTimer, 150, nullptr);
    ::SetForegroundWindow(form->Handle());
    ::TrackPopupMenu(menu.Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, 40, 40, 0, form->Handle(),
                     nullptr);
    ::KillTimer(form->Handle(), ScriptTimer);
    ASSERT_TRUE(shot) << "the menu never showed";
    shot->SavePng(file);
    for (const TRect& r : itemRects) {
      ASSERT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= shot->Width() && r.Bottom <= shot->Height())
          << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << " in " << shot->Width() << " x "
          << shot->Height();
    }
  }

  void Step() {
    HWND popup = ::FindWindowW(L"#32768", nullptr);
    if (!popup) return;
    ++step;
    if (step == 1) {
      for (int i = 0; i < 2; ++i) ::PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
    } else if (step == 3) {
      ::RedrawWindow(popup, nullptr, nullptr, RDW_UPDATENOW);
      shot = std::make_unique<TWindowCapture>(popup);
      itemRects.clear();
      for (int i = 0; i < menu.Items().Count(); ++i) {
        RECT r{};
        ::GetMenuItemRect(nullptr, menu.Handle(), i, &r);  // finds the menu's window
        ::MapWindowPoints(nullptr, popup, reinterpret_cast<POINT*>(&r), 2);
        itemRects.push_back(FromWinRect(r));
      }
      ::EndMenu();
    }
  }

  TRect RectOf(TMenuItem& item) const { return itemRects.at(menu.Items().IndexOf(item)); }

  TMenuItem* open = nullptr;
  TMenuItem* notes = nullptr;
  TMenuItem* checked = nullptr;
  TMenuItem* disabled = nullptr;
  int step = 0;
  std::unique_ptr<TWindowCapture> shot;
  std::vector<TRect> itemRects;
};

bool IsBlack(COLORREF c) { return c == RGB(0, 0, 0); }

// The banner runs from red at the top to yellow at the bottom, beside the top-level items.
void ExpectBanner(const TWindowCapture& shot, const TRect& first, const TRect& last) {
  const COLORREF top = shot.Pixel(first.Left + 1, first.Top + 1);
  const COLORREF bottom = shot.Pixel(first.Left + 1, last.Bottom - 2);
  EXPECT_EQ(GetRValue(top), 255);
  EXPECT_LT(GetGValue(top), 40);
  EXPECT_EQ(GetBValue(top), 0);
  EXPECT_EQ(GetRValue(bottom), 255);
  EXPECT_GT(GetGValue(bottom), 215);
  EXPECT_EQ(GetBValue(bottom), 0);
  // The white caption rises somewhere along the strip.
  const RECT strip{first.Left, first.Top, first.Left + 20, last.Bottom};
  EXPECT_GT(shot.Count(strip, [](COLORREF c) { return c == RGB(255, 255, 255); }), 30);
}

TEST_F(MenuScreenshot, WindowsStyle) {
  styler.SetMenuStyle(msWindows);
  Photograph(L"menu_windows.png");
  if (HasFatalFailure()) return;
  ExpectBanner(*shot, RectOf(*open), itemRects.back());
  // The highlighted file item is filled with the highlight colour beyond the banner strip.
  const TRect selected = RectOf(*notes);
  EXPECT_EQ(shot->Pixel(selected.Right - 3, selected.Top + 2), ::GetSysColor(COLOR_HIGHLIGHT));
  // The checked item shows the black check mark in its image column.
  const TRect check = RectOf(*checked);
  EXPECT_GT(shot->Count(RECT{check.Left + 22, check.Top, check.Left + 42, check.Bottom}, IsBlack), 5);
  // The disabled item's icon is embossed: no black left in its image column.
  const TRect grey = RectOf(*disabled);
  EXPECT_EQ(shot->Count(RECT{grey.Left + 22, grey.Top, grey.Left + 42, grey.Bottom}, IsBlack), 0);
  EXPECT_GT(shot->Count(RECT{grey.Left + 22, grey.Top, grey.Left + 42, grey.Bottom},
                        [](COLORREF c) { return c == ::GetSysColor(COLOR_BTNSHADOW); }),
            5);
}

TEST_F(MenuScreenshot, OfficeStyle) {
  // The classic grey menu colour, so that the checker pattern behind the checked item shows.
  const TSystemColorOverride menuColor(COLOR_MENU, RGB(212, 208, 200));
  styler.SetMenuStyle(msOffice);
  Photograph(L"menu_office.png");
  if (HasFatalFailure()) return;
  ExpectBanner(*shot, RectOf(*open), itemRects.back());
  // The highlighted file item keeps its image column and highlights its text area.
  const TRect selected = RectOf(*notes);
  EXPECT_EQ(shot->Pixel(selected.Right - 3, selected.Top + 2), ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_NE(shot->Pixel(selected.Left + 23, selected.Top + 2), ::GetSysColor(COLOR_HIGHLIGHT));
  const TRect check = RectOf(*checked);
  const RECT checkColumn{check.Left + 22, check.Top, check.Left + 42, check.Bottom};
  EXPECT_GT(shot->Count(checkColumn, IsBlack), 5);
  EXPECT_GT(shot->Count(checkColumn, [](COLORREF c) { return c == RGB(212, 208, 200); }), 30);
  EXPECT_GT(shot->Count(checkColumn, [](COLORREF c) { return c == RGB(255, 255, 255); }), 30);
}

}  // namespace
