#include <gtest/gtest.h>

#include <cstdlib>

#include "menu/item_drawing.h"
#include "menu/sys_menu.h"
#include "styler_fixture.h"

namespace {

class StylerMeasure : public StylerFixture {
protected:
  // The text's width in a font, measured the way the platform lays out menu text.
  static int Extent(const TFontDescription& font, const std::wstring& text) {
    TScreenDC screen;
    TCanvas canvas;
    canvas.Bind(screen.Get());
    canvas.Font().Assign(font);
    return MenuTextExtent(canvas, text);
  }
  static LOGFONTW SystemMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return metrics.lfMenuFont;
  }
};

TEST_F(StylerMeasure, RowsAreItemHeightHighOrAsTallAsTheTallerItemFontNeeds) {
  TMenuItem& item = AddItem(L"メモ帳");
  TMenuItem& line = AddItem(L"-");
  EXPECT_EQ(Measure(item).itemHeight, 20u);
  TFontDescription tall = styler.ActiveFont().Description();
  tall.Height = -40;
  styler.SetActiveFont(tall);
  EXPECT_EQ(Measure(item).itemHeight, 45u);
  EXPECT_EQ(Measure(line).itemHeight, 10u);
  tall.Height = -12;
  styler.SetActiveFont(tall);
  tall.Height = -30;
  styler.SetInActiveFont(tall);
  EXPECT_EQ(Measure(item).itemHeight, 35u);
}

TEST_F(StylerMeasure, SystemMenuFontSetsTheHeight) {
  TMenuItem& item = AddItem(L"メモ帳");
  TMenuItem& line = AddItem(L"-");
  styler.SetDefaultFont(true);
  EXPECT_EQ(Measure(item).itemHeight, static_cast<UINT>(std::abs(SystemMenuFont().lfHeight) + 5));
  EXPECT_EQ(Measure(line).itemHeight, 10u);
}

TEST_F(StylerMeasure, WidthIsSpaceCaptionAndShortcutPlusImageColumnAndMargins) {
  const TFontDescription font = styler.ActiveFont().Description();
  TFontDescription normalFont = font;
  TMenuItem& empty = AddItem(L"");
  EXPECT_EQ(Measure(empty).itemWidth, static_cast<UINT>(Extent(font, L" ") + 20 + 20));
  TMenuItem& item = AddItem(L"設定(&S)");
  item.SetShortCut(ShortCut('S', scCtrl));
  EXPECT_EQ(Measure(item).itemWidth, static_cast<UINT>(Extent(font, L" 設定(&S)Ctrl+S") + 20 + 20));
  EXPECT_GT(Measure(item).itemWidth, Measure(empty).itemWidth + 40);
  // The wider of the two fonts sets the width, whichever it is.
  normalFont.Height = font.Height * 2;
  styler.SetInActiveFont(normalFont);
  EXPECT_EQ(Measure(item).itemWidth, static_cast<UINT>(Extent(normalFont, L" 設定(&S)Ctrl+S") + 20 + 20));
}

TEST_F(StylerMeasure, AVeryLongNameIsCutToHalfTheWorkArea) {
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  TMenuItem& item = AddItem(std::wstring(400, L'W'));
  EXPECT_EQ(Measure(item).itemWidth, static_cast<UINT>((work.right - work.left) / 2));
}

TEST_F(StylerMeasure, TopLevelItemsMakeRoomForTheBanner) {
  TMenuItem& top = AddItem(L"同じ名前");
  TMenuItem& folder = AddItem(L"<folder>");
  TMenuItem& inner = AddItem(L"同じ名前", &folder);
  EXPECT_EQ(Measure(top).itemWidth, Measure(inner).itemWidth);
  styler.Banner().SetShowBanner(true);
  EXPECT_EQ(Measure(top).itemWidth, Measure(inner).itemWidth + 22);
}

TEST_F(StylerMeasure, TheHostMayChangeTheHeight) {
  TMenuItem& item = AddItem(L"tall");
  TMenuItem& other = AddItem(L"other");
  TMenuItem* seen = nullptr;
  styler.OnMeasureItem = [&](TPopupMenu* menuArg, TMenuItem* itemArg, int& height) {
    EXPECT_EQ(menuArg, &menu);
    seen = itemArg;
    if (itemArg == &item) height = 40;
  };
  EXPECT_EQ(Measure(item).itemHeight, 40u);
  EXPECT_EQ(seen, &item);
  EXPECT_EQ(Measure(other).itemHeight, 20u);
}

TEST_F(StylerMeasure, ItemsOutsideTheMenuAreSystemMenuEntries) {
  styler.SysMenu().SetItemHeight(22);
  const MEASUREITEMSTRUCT close = Measure(SC_CLOSE);
  const int extent = Extent(styler.ActiveFont().Description(), SysMenuWidthText());
  EXPECT_EQ(close.itemWidth, static_cast<UINT>(extent + 22 + 50));
  EXPECT_EQ(close.itemHeight, 22u);
  EXPECT_EQ(Measure(SC_MOVE).itemWidth, close.itemWidth);  // every entry is as wide
}

TEST_F(StylerMeasure, AFailureIsReportedAndTheRequestKeepsWhatWasMeasured) {
  TMenuItem& item = AddItem(L"item");
  styler.OnMeasureItem = [](TPopupMenu*, TMenuItem*, int&) { throw Exception(L"測れません"); };
  const MEASUREITEMSTRUCT request = Measure(item);
  EXPECT_EQ(request.itemHeight, 20u);
  EXPECT_GT(request.itemWidth, 40u);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], L"測れません");
}

}  // namespace
