#include "styler_fixture.h"

#include <oleacc.h>

#include <algorithm>

#include "support/test_pictures.h"

TFormDesign StylerFormDesign() {
  return TestFormDesign(L"TStylerTestForm", 200, 100, TFormBorderStyle::bsSingle);
}

void ShowLauncherBanner(TCoolMenu& styler) {
  TFontDescription font;
  font.Height = -14;
  font.Style = TFontStyles{TFontStyle::fsBold};
  font.Color = clWhite;
  styler.Banner().SetFont(font);
  styler.Banner().SetCaption(L"タマリンド ランチャー");
  styler.Banner().SetShowBanner(true);
}

StylerFixture::StylerFixture() : StylerFixture([](TForm& owner) -> TCoolMenu& { return owner.Make<TCoolMenu>(); }) {}

StylerFixture::StylerFixture(const std::function<TCoolMenu&(TForm&)>& makeStyler)
    : form(MakeComponent<TForm>(StylerFormDesign())),
      menu(form->Make<TPopupMenu>()),
      images(form->Make<TImageList>()),
      styler(makeStyler(*form)) {
  styler.SetImages(&images);
  styler.SetMenu(&menu);
  SetStateColors(TestActive, TestActiveText, TestInactive, TestInactiveText);
}

void StylerFixture::SetStateColors(TColor active, TColor activeText, TColor inactive, TColor inactiveText) {
  styler.SetActiveColor(active);
  styler.SetInActiveColor(inactive);
  TFontDescription font = styler.ActiveFont().Description();
  font.Color = activeText;
  styler.SetActiveFont(font);
  font.Color = inactiveText;
  styler.SetInActiveFont(font);
}

StylerFixture::~StylerFixture() = default;

TMenuItem& StylerFixture::AddItem(const std::wstring& caption, TMenuItem* parent) {
  TMenuItem& item = form->Make<TMenuItem>();
  item.SetCaption(caption);
  (parent ? *parent : menu.Items()).Add(item);
  return item;
}

std::optional<std::wstring> AccessibleName(HMENU menu, UINT item, bool byPosition) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_DATA;
  if (!::GetMenuItemInfoW(menu, item, byPosition, &info) || !info.dwItemData) return std::nullopt;
  const auto& accessible = *reinterpret_cast<const MSAAMENUINFO*>(info.dwItemData);
  if (accessible.dwMSAASignature != static_cast<DWORD>(MSAA_MENU_SIG)) return std::nullopt;
  return std::wstring(accessible.pszWText, accessible.cchWText);
}

int StylerFixture::AddImage(COLORREF fill, int inset) {
  const TIconHandle icon = SquareIcon(16, fill, inset);
  return images.AddIcon(icon.Get());
}

MEASUREITEMSTRUCT StylerFixture::Measure(UINT itemID) {
  MEASUREITEMSTRUCT request{};
  request.CtlType = ODT_MENU;
  request.itemID = itemID;
  request.itemData = reinterpret_cast<ULONG_PTR>(&styler);
  TMessage message{WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request), 0};
  styler.Dispatch(message);
  EXPECT_EQ(message.Result, 1);
  return request;
}

void StylerFixture::Paint(UINT itemID, const TRect& rect, unsigned state, TBitmap& target, HMENU menuHandle) {
  DRAWITEMSTRUCT request{};
  request.CtlType = ODT_MENU;
  request.itemID = itemID;
  request.itemAction = ODA_DRAWENTIRE;
  request.itemState = state;
  request.hwndItem = reinterpret_cast<HWND>(menuHandle ? menuHandle : menu.Handle());
  request.hDC = target.Canvas().Handle();
  request.rcItem = ToWinRect(rect);
  request.itemData = reinterpret_cast<ULONG_PTR>(&styler);
  TMessage message{WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request), 0};
  styler.Dispatch(message);
  EXPECT_EQ(message.Result, 1);
}

void StylerFixture::Blank(TBitmap& target, int width, int height, COLORREF color) {
  target.SetSize(width, height);
  target.Canvas().FillRectWith({0, 0, width, height}, color);
}

StylerFixture::TInk StylerFixture::FindInk(TBitmap& picture, const TRect& area,
                                           const std::function<bool(COLORREF)>& isInk) {
  TInk ink;
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      if (!isInk(::GetPixel(picture.Canvas().Handle(), x, y))) continue;
      ++ink.Count;
      ink.Bounds = {std::min(ink.Bounds.Left, x), std::min(ink.Bounds.Top, y), std::max(ink.Bounds.Right, x),
                    std::max(ink.Bounds.Bottom, y)};
    }
  }
  return ink;
}
