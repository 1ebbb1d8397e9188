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

TEST_F(StylerMeasure, HeightsFollowItemHeightNotTheFont) {
  TMenuItem& item = AddItem(L"メモ帳");
  TMenuItem& line = AddItem(L"-");
  TFontDescription tall = styler.ActiveFont().Description();
  tall.Height = -40;
  styler.SetActiveFont(tall);
  EXPECT_EQ(Measure(item).itemHeight, 20u);
  EXPECT_EQ(Measure(line).itemHeight, 10u);
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
  normalFont.Height = font.Height * 2;  // measuring uses the selected items' font only
  styler.SetInActiveFont(normalFont);
  TMenuItem& empty = AddItem(L"");
  EXPECT_EQ(Measure(empty).itemWidth, static_cast<UINT>(Extent(font, L" ") + 20 + 20));
  TMenuItem& item = AddItem(L"設定(&S)");
  item.SetShortCut(ShortCut('S', scCtrl));
  EXPECT_EQ(Measure(item).itemWidth, static_cast<UINT>(Extent(font, L" 設定(&S)Ctrl+S") + 20 + 20));
  EXPECT_GT(Measure(item).itemWidth, Measure(empty).itemWidth + 40);
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
  const int extent = Extent(styler.ActiveFont().Description(), std::wstring(SysMenuWidthText));
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
