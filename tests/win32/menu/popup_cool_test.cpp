// The styler in the platform's own menu loop, arranged as the launcher arranges it: a hidden
// 1 x 1 main window owns the menu and its styler, the menu is shown with the framework's popup
// call, and nothing forwards messages to the styler. Input is synthesized from a timer, and
// every script closes the menu when it is done or late.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/window_capture.h"
#include "framework/application.h"
#include "framework/cursor_image.h"
#include "framework/menu_item.h"
#include "framework/popup_list.h"
#include "framework/popup_menu.h"
#include "menu/item_records.h"
#include "menu/menu_type_ahead.h"
#include "menu/popup_cool.h"
#include "styler_fixture.h"
#include "support/test_forms.h"
#include "tray/callback_window.h"
#include "tray/tray_icon.h"

namespace {

constexpr int StyledItemHeight = 26;  // not a height the platform would pick for these captions
constexpr UINT TickMs = 120;
constexpr unsigned long long ScriptTimeoutMs = 8000;

TFormDesign LauncherDesign() {
  TFormDesign design = TestFormDesign(L"TLauncherLikeForm", 1, 1);
  design.Left = -1;
  design.Top = -1;
  design.Visible = true;
  return design;
}

HWND OpenMenuWindow() {
  HWND popup = ::FindWindowW(L"#32768", nullptr);
  return popup && ::IsWindowVisible(popup) ? popup : nullptr;
}

// Steps run one per timer tick while a menu is open; the menu is closed after the last step,
// or when the script runs late.
class TMenuScript {
public:
  using TStep = std::function<void(HWND popup)>;

  explicit TMenuScript(std::vector<TStep> steps)
      : FSteps(std::move(steps)), FDeadline(::GetTickCount64() + ScriptTimeoutMs) {
    Current = this;
    FTimer = ::SetTimer(nullptr, 0, TickMs, &Tick);
  }
  ~TMenuScript() {
    ::KillTimer(nullptr, FTimer);
    Current = nullptr;
  }
  TMenuScript(const TMenuScript&) = delete;
  TMenuScript& operator=(const TMenuScript&) = delete;

  bool Finished() const { return FNext == FSteps.size(); }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (Current) Current->Step();
  }

  void Step() {
    HWND popup = OpenMenuWindow();
    if (!popup) return;
    if (FNext < FSteps.size() && ::GetTickCount64() < FDeadline) {
      FSteps[FNext++](popup);
    } else {
      ::EndMenu();
    }
  }

  static inline TMenuScript* Current = nullptr;
  std::vector<TStep> FSteps;
  size_t FNext = 0;
  unsigned long long FDeadline;
  UINT_PTR FTimer = 0;
};

struct TSelection {
  TMenuItem* Item;
  std::wstring Hint;
};

class PopupCoolTest : public ::testing::Test {
protected:
  PopupCoolTest()
      : form(Application().CreateForm<TForm>(LauncherDesign())),
        menu(form.Make<TPopupMenu>()),
        styler(form.Make<TPopupCool>()) {
    styler.SetItemHeight(StyledItemHeight);
    styler.SetMenu(&menu);
    Record(styler);
  }
  ~PopupCoolTest() override { TComponentDeleter{}(&form); }

  void Record(TPopupCool& target) {
    target.OnMenuSelect = [this](TMenuItem* item, const std::wstring& hint) { selections.push_back({item, hint}); };
  }

  TMenuItem& AddItem(const std::wstring& caption, const std::wstring& hint = L"") {
    TMenuItem& item = form.Make<TMenuItem>();
    item.SetCaption(caption);
    item.OnClick = [this](TComponent* sender) { clicked.push_back(static_cast<TMenuItem*>(sender)); };
    menu.Items().Add(item);
    if (!hint.empty()) styler.SetItemImage(item, -1, hint);
    return item;
  }

  // Shows the menu as the launcher does and runs `steps` in it; the clicks of a chosen item
  // have run when this returns.
  void Show(std::vector<TMenuScript::TStep> steps, TForm* front = nullptr) {
    ::SetForegroundWindow((front ? *front : form).Handle());
    Application().ProcessMessages();
    TMenuScript script(std::move(steps));
    menu.Popup(40, 40);
    Application().ProcessMessages();
    EXPECT_TRUE(script.Finished()) << "the menu closed before the script ended";
  }

  RECT ScreenRectOf(TMenuItem& item) {
    RECT r{};
    ::GetMenuItemRect(nullptr, menu.Handle(), static_cast<UINT>(menu.Items().PlatformPosition(item)), &r);
    return r;
  }

  static void Press(HWND popup, WPARAM key) { ::PostMessageW(popup, WM_KEYDOWN, key, 0); }

  // Points at `item` as the mouse would.
  void PointAt(HWND popup, TMenuItem& item) {
    const RECT r = ScreenRectOf(item);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ::SetCursorPos(p.x, p.y);
    ::ScreenToClient(popup, &p);
    ::PostMessageW(popup, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
  }

  TErrorBoxCapture errorBox;
  TForm& form;
  TPopupMenu& menu;
  TPopupCool& styler;
  std::vector<TSelection> selections;
  std::vector<TMenuItem*> clicked;
};

TEST_F(PopupCoolTest, HooksTheProcesssOwnUtilityWindowOnce) {
  HWND util = TPopupList::Instance().Window();
  EXPECT_EQ(styler.UtilWindow(), util);
  EXPECT_EQ(TPopupCool::HookCount(), 1);
  const LONG_PTR hooked = ::GetWindowLongPtrW(util, GWLP_WNDPROC);

  auto& second = form.Make<TPopupCool>();
  EXPECT_EQ(TPopupCool::HookCount(), 2);
  EXPECT_EQ(second.UtilWindow(), nullptr);
  EXPECT_EQ(::GetWindowLongPtrW(util, GWLP_WNDPROC), hooked);
  TComponentDeleter{}(&second);
  EXPECT_EQ(TPopupCool::HookCount(), 1);
  EXPECT_EQ(styler.UtilWindow(), util);
  EXPECT_EQ(::GetWindowLongPtrW(util, GWLP_WNDPROC), hooked);
}

TEST_F(PopupCoolTest, TheLastStylerGoneGivesTheUtilityWindowItsProcedureBack) {
  HWND util = TPopupList::Instance().Window();
  TComponentDeleter{}(&styler);
  EXPECT_EQ(TPopupCool::HookCount(), 0);
  // The framework's own procedure again: a command reaches the item's click directly.
  TMenuItem& item = AddItem(L"item");
  ::SendMessageW(util, WM_COMMAND, item.Command(), 0);
  ASSERT_EQ(clicked.size(), 1u);
  auto& next = form.Make<TPopupCool>();  // and a new styler hooks it again
  EXPECT_EQ(next.UtilWindow(), util);
  EXPECT_EQ(TPopupCool::HookCount(), 1);
}

TEST_F(PopupCoolTest, RequestsOfItemsWithoutALiveStylerGoToThePreviousProcedure) {
  TMenuItem& item = AddItem(L"item");
  MEASUREITEMSTRUCT request{};
  request.CtlType = ODT_MENU;
  request.itemID = item.Command();
  request.itemHeight = 7;
  ::SendMessageW(styler.UtilWindow(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
  EXPECT_EQ(request.itemHeight, 7u);  // item data 0
  request.itemData = reinterpret_cast<ULONG_PTR>(&menu);  // not a styler
  ::SendMessageW(styler.UtilWindow(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
  EXPECT_EQ(request.itemHeight, 7u);
  request.itemData = reinterpret_cast<ULONG_PTR>(static_cast<TCoolMenu*>(&styler));  // the styler, not its record
  ::SendMessageW(styler.UtilWindow(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
  EXPECT_EQ(request.itemHeight, 7u);
  // Another program's data shaped like ours, down to the signature and the styler.
  const TStyledItemData lookalike{{MSAA_MENU_SIG, 0, nullptr}, &styler};
  request.itemData = reinterpret_cast<ULONG_PTR>(&lookalike);
  ::SendMessageW(styler.UtilWindow(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
  EXPECT_EQ(request.itemHeight, 7u);
  styler.AttachItems(menu.Items());
  MENUITEMINFOW attached{};
  attached.cbSize = sizeof(attached);
  attached.fMask = MIIM_DATA;
  ASSERT_TRUE(::GetMenuItemInfoW(menu.Handle(), item.Command(), FALSE, &attached));
  request.itemData = attached.dwItemData;
  ::SendMessageW(styler.UtilWindow(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
  EXPECT_EQ(request.itemHeight, static_cast<UINT>(StyledItemHeight));
}

TEST_F(PopupCoolTest, FrameworkPopupIsMeasuredPaintedAndReportsTheKeyboardHighlight) {
  TMenuItem& open = AddItem(L"このフォルダを開く");
  open.SetDefault(true);
  AddItem(L"-");
  TMenuItem& notes = AddItem(L"メモ帳.txt", L"C:\\Menu\\メモ帳.txt");
  TMenuItem& program = AddItem(L"電卓.exe", L"C:\\Menu\\電卓.exe");
  AddItem(L"キャンセル");
  ShowLauncherBanner(styler);

  std::unique_ptr<TWindowCapture> shot;
  RECT notesRect{}, programRect{}, openRect{}, lastRect{};
  Show({[](HWND popup) {
          Press(popup, VK_DOWN);
          Press(popup, VK_DOWN);
        },
        [](HWND) {},
        [&](HWND popup) {
          ::RedrawWindow(popup, nullptr, nullptr, RDW_UPDATENOW);
          shot = std::make_unique<TWindowCapture>(popup);
          for (auto [item, rect] : {std::pair{&notes, &notesRect}, std::pair{&program, &programRect},
                                    std::pair{&open, &openRect}, std::pair{menu.Items().Items(4), &lastRect}}) {
            *rect = ScreenRectOf(*item);
            ::MapWindowPoints(nullptr, popup, reinterpret_cast<POINT*>(rect), 2);
          }
        }});
  ASSERT_TRUE(shot);
  shot->SavePng(L"popup_cool_launcher.png");
  EXPECT_TRUE(errorBox.Messages.empty());

  // Measured by the styler: its item height, and room for the banner beside the captions.
  EXPECT_EQ(notesRect.bottom - notesRect.top, StyledItemHeight);
  EXPECT_EQ(programRect.top, notesRect.bottom);
  // Painted by it: the banner runs from red at the top to yellow at the bottom.
  const COLORREF top = shot->Pixel(openRect.left + 1, openRect.top + 1);
  const COLORREF bottom = shot->Pixel(openRect.left + 1, lastRect.bottom - 2);
  EXPECT_EQ(top, RGB(255, GetGValue(top), 0));
  EXPECT_LT(GetGValue(top), 40);
  EXPECT_EQ(bottom, RGB(255, GetGValue(bottom), 0));
  EXPECT_GT(GetGValue(bottom), 200);
  // The highlighted item is filled with the highlight colour; the next one is not.
  EXPECT_EQ(shot->Pixel(notesRect.right - 3, notesRect.top + 2), ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(shot->Pixel(programRect.right - 3, programRect.top + 2), ::GetSysColor(COLOR_MENU));

  // The keyboard's way down: the default item, then past the separator to the notes.
  ASSERT_GE(selections.size(), 2u);
  EXPECT_EQ(selections[0].Item, &open);
  EXPECT_EQ(selections[0].Hint, L"");
  EXPECT_EQ(selections.back().Item, &notes);
  EXPECT_EQ(selections.back().Hint, L"C:\\Menu\\メモ帳.txt");
  EXPECT_EQ(Application().Hint(), L"C:\\Menu\\メモ帳.txt");
}

TEST_F(PopupCoolTest, HighlightingASubmenuEntryReportsItsItemAndTheSubmenuIsStyled) {
  AddItem(L"first");
  TMenuItem& folder = AddItem(L"<folder>", L"C:\\Menu\\folder");
  TMenuItem& inner = form.Make<TMenuItem>();
  inner.SetCaption(L"inner");
  folder.Add(inner);
  int innerHeight = 0;
  Show({[](HWND popup) {
          Press(popup, VK_DOWN);
          Press(popup, VK_DOWN);
        },
        [](HWND popup) { Press(popup, VK_RIGHT); },
        [&](HWND) {
          RECT r{};
          ::GetMenuItemRect(nullptr, folder.Handle(), 0, &r);
          innerHeight = r.bottom - r.top;
        }});
  const auto folderSelection = std::find_if(selections.begin(), selections.end(),
                                            [&](const TSelection& s) { return s.Item == &folder; });
  ASSERT_NE(folderSelection, selections.end()) << "the submenu's entry was not reported";
  EXPECT_EQ(folderSelection->Hint, L"C:\\Menu\\folder");
  EXPECT_EQ(selections.back().Item, &inner);
  EXPECT_EQ(innerHeight, StyledItemHeight);
}

TEST_F(PopupCoolTest, TypedKeyRunsTheFirstVisibleItemWhoseMnemonicMatchesInAnyCase) {
  TMenuItem& apple = AddItem(L"&Apple");
  apple.SetVisible(false);
  TMenuItem& banana = AddItem(L"B&anana");
  AddItem(L"&avocado");
  AddItem(L"Fish &");
  Show({[](HWND popup) { ::PostMessageW(popup, WM_CHAR, L'a', 0); }});
  ASSERT_EQ(clicked.size(), 1u);
  EXPECT_EQ(clicked[0], &banana);
}

TEST_F(PopupCoolTest, TypingHighlightsTheItemByNameAndEnterChoosesIt) {
  AddItem(L"alpha");
  AddItem(L"readme");
  TMenuItem& hidden = AddItem(L"report.bak");
  hidden.SetVisible(false);
  TMenuItem& report = AddItem(L"report.txt");
  AddItem(L"&Quit");
  const auto highlighted = [&](HWND) {
    for (int i = 0; i < menu.Items().Count(); ++i) {
      TMenuItem& item = *menu.Items().Items(i);
      if (item.Visible() && (::GetMenuState(menu.Handle(), static_cast<UINT>(menu.Items().PlatformPosition(item)),
                                            MF_BYPOSITION) & MF_HILITE))
        return &item;
    }
    return static_cast<TMenuItem*>(nullptr);
  };
  TMenuItem* afterRe = nullptr;
  TMenuItem* afterRep = nullptr;
  Show({[](HWND popup) {
          ::PostMessageW(popup, WM_CHAR, L'r', 0);
          ::PostMessageW(popup, WM_CHAR, L'E', 0);
        },
        [&](HWND popup) {
          afterRe = highlighted(popup);
          ::PostMessageW(popup, WM_CHAR, L'p', 0);
        },
        [&](HWND popup) {
          afterRep = highlighted(popup);
          Press(popup, VK_RETURN);
        }});
  EXPECT_EQ(afterRe, menu.Items().Items(1));
  EXPECT_EQ(afterRep, &report);
  EXPECT_NE(std::find_if(selections.begin(), selections.end(), [&](const TSelection& s) { return s.Item == &report; }),
            selections.end())
      << "the highlight raised no select event";
  ASSERT_EQ(clicked.size(), 1u);
  EXPECT_EQ(clicked[0], &report);
}

// The answer always names the item to the loop. What is known of the loop decides whether the
// item is highlighted by hand too; while unproven, a look at the menu after the answer decides.
TEST_F(PopupCoolTest, TypingHighlightsByHandOnlyOnceTheLoopWasSeenToIgnoreTheAnswer) {
  AddItem(L"alpha");
  AddItem(L"beta");
  const struct {
    TSelectAnswer Known;
    bool LoopHighlights;  // as Windows's loop does on MNC_SELECT, and Wine's does not
    bool ByHandAtOnce;
    TSelectAnswer Learnt;
    bool HighlightedAfterLook;
  } cases[] = {
      {TSelectAnswer::Unproven, true, false, TSelectAnswer::Honoured, true},
      {TSelectAnswer::Unproven, false, false, TSelectAnswer::Ignored, true},
      {TSelectAnswer::Honoured, false, false, TSelectAnswer::Honoured, false},
      {TSelectAnswer::Ignored, false, true, TSelectAnswer::Ignored, true},
  };
  const auto betaHighlighted = [&] { return (::GetMenuState(menu.Handle(), 1, MF_BYPOSITION) & MF_HILITE) != 0; };
  for (const auto& c : cases) {
    TSelectAnswer known = c.Known;
    TMenuTypeAhead typeAhead(known);
    LRESULT answer = 0;
    bool atOnce = false, afterLook = false;
    // The form stands in for the owner: the posted look goes nowhere, and is made here instead.
    Show({[&](HWND) {
      answer = typeAhead.MenuChar(menu.Items(), menu.Handle(), L'b', form.Handle());
      atOnce = betaHighlighted();
      if (c.LoopHighlights) ::HiliteMenuItem(form.Handle(), menu.Handle(), 1, MF_BYPOSITION | MF_HILITE);
      typeAhead.CheckSelectAnswer(1, reinterpret_cast<LPARAM>(menu.Handle()), form.Handle());
      afterLook = betaHighlighted();
    }});
    EXPECT_EQ(answer, MAKELRESULT(1, MNC_SELECT));
    EXPECT_EQ(atOnce, c.ByHandAtOnce);
    EXPECT_EQ(known, c.Learnt);
    EXPECT_EQ(afterLook, c.HighlightedAfterLook);
  }
}

TEST(MenuTypeAhead, TheSystemsComparisonIgnoresCaseKanaTypeAndWidth) {
  const struct {
    const wchar_t* A;
    const wchar_t* B;
    bool Same;
  } cases[] = {
      {L"report", L"REPORT", true},  {L"ｒｅｐ", L"rep", true},  {L"レポート", L"れぽーと", true},
      {L"ｶﾀｶﾅ", L"かたかな", true},  {L"rep", L"reo", false},    {L"れ", L"ら", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SameTextToUser(c.A, c.B), c.Same) << testing::PrintToString(std::wstring(c.A)) << " / "
                                                << testing::PrintToString(std::wstring(c.B));
  }
}

TEST_F(PopupCoolTest, HintWindowShowsTheShortPartBesideThePointedItem) {
  styler.SetShowHint(true);
  TMenuItem& both = AddItem(L"both", L"short|long");
  TMenuItem& none = AddItem(L"none");
  bool shownOverBoth = false, hiddenOverNone = false;
  std::wstring shownText;
  Show({[&](HWND popup) { PointAt(popup, both); },
        [&](HWND) {
          shownOverBoth = styler.HintWindow().Showing();
          shownText = styler.HintWindow().Text();
        },
        [&](HWND popup) { PointAt(popup, none); },
        [&](HWND) { hiddenOverNone = !styler.HintWindow().Showing(); }});
  EXPECT_TRUE(shownOverBoth);
  EXPECT_EQ(shownText, L"short");
  EXPECT_TRUE(hiddenOverNone);
  EXPECT_FALSE(styler.HintWindow().Showing()) << "left open after the menu closed";
  ASSERT_FALSE(selections.empty());
  EXPECT_EQ(selections.front().Hint, L"short|long");  // the event gets the whole hint
}

TEST_F(PopupCoolTest, CursorOverTheHighlightedItemIsTheStylersOwn) {
  styler.SetCursor(crHandPoint);
  TMenuItem& item = AddItem(L"item");
  AddItem(L"other");
  HCURSOR over = nullptr, away = nullptr;
  const auto idle = [&](HWND popup) {
    ::SendMessageW(styler.UtilWindow(), WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(popup));
    return ::GetCursor();
  };
  Show({[&](HWND popup) { PointAt(popup, item); },
        [&](HWND popup) { over = idle(popup); },
        [&](HWND) { ::SetCursorPos(600, 500); },
        [&](HWND popup) { away = idle(popup); }});
  EXPECT_EQ(over, CursorImage(crHandPoint));
  EXPECT_EQ(away, CursorImage(crDefault));
}

TEST_F(PopupCoolTest, ClosingWithoutHintsRaisesNoSelection) {
  AddItem(L"item");
  AddItem(L"-");
  Show({[](HWND) {}});
  EXPECT_TRUE(selections.empty());
  // What the platform sends as the menu closes, and for a separator, even naming our menu.
  ::SendMessageW(styler.UtilWindow(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), reinterpret_cast<LPARAM>(menu.Handle()));
  ::SendMessageW(styler.UtilWindow(), WM_MENUSELECT, MAKEWPARAM(0, MF_SEPARATOR),
                 reinterpret_cast<LPARAM>(menu.Handle()));
  EXPECT_TRUE(selections.empty());
}

TEST_F(PopupCoolTest, ASecondStylerTakesTheHookOverWhenTheFirstGoes) {
  AddItem(L"&one");
  TMenuItem& two = AddItem(L"&two");
  auto& second = form.Make<TPopupCool>();
  second.SetItemHeight(StyledItemHeight + 4);
  TComponentDeleter{}(&styler);
  EXPECT_EQ(second.UtilWindow(), TPopupList::Instance().Window());
  EXPECT_EQ(TPopupCool::HookCount(), 1);
  second.SetMenu(&menu);
  Record(second);
  int height = 0;
  Show({[](HWND popup) {
          Press(popup, VK_DOWN);
          Press(popup, VK_DOWN);
        },
        [&](HWND) {
          const RECT r = ScreenRectOf(two);
          height = r.bottom - r.top;
        }});
  EXPECT_EQ(height, StyledItemHeight + 4);
  ASSERT_FALSE(selections.empty());
  EXPECT_EQ(selections.back().Item, &two);
}

TEST_F(PopupCoolTest, MainWindowsStylerIsFoundWhileAnotherFormIsActive) {
  TMenuItem& item = AddItem(L"item");
  TComponentPtr<TForm> other = MakeComponent<TForm>(TestFormDesign(L"TOtherForm", 50, 50));
  other->Show();
  int height = 0;
  Show({[&](HWND) {
         EXPECT_EQ(Application().ActiveForm(), other.get());
         const RECT r = ScreenRectOf(item);
         height = r.bottom - r.top;
       }},
       other.get());
  EXPECT_EQ(height, StyledItemHeight);
}

TEST_F(PopupCoolTest, TrayIconsRightButtonMenuIsStyled) {
  TMenuItem& item = AddItem(L"item", L"tray hint");
  auto& tray = form.Make<TTrayIcon>();
  tray.Icon().SetHandle(::CopyIcon(::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));
  tray.SetRBPopupMenu(&menu);
  tray.SetVisible(true);
  int height = 0;
  TMenuScript script({[](HWND popup) { Press(popup, VK_DOWN); },
                      [&](HWND) {
                        const RECT r = ScreenRectOf(item);
                        height = r.bottom - r.top;
                      }});
  ::SendMessageW(TCallbackWindow::Instance()->Handle(), WM_TRAYNOTIFY, static_cast<WPARAM>(tray.IconID()),
                 WM_RBUTTONDOWN);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(height, StyledItemHeight);
  ASSERT_FALSE(selections.empty());
  EXPECT_EQ(selections.back().Item, &item);
  EXPECT_EQ(selections.back().Hint, L"tray hint");
}

}  // namespace
