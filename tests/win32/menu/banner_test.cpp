#include <gtest/gtest.h>

#include "framework/system_colors.h"
#include "styler_fixture.h"
#include "support/test_pictures.h"

namespace {

class BannerTest : public StylerFixture {
protected:
  BannerTest() {
    for (const wchar_t* caption : {L"a", L"b", L"c", L"-", L"d", L"e"}) AddItem(caption);
    AddItem(L"hidden").SetVisible(false);
    banner().SetShowBanner(true);
  }
  TBanner& banner() { return styler.Banner(); }
};

TEST_F(BannerTest, SizeFollowsTheVisibleTopLevelItems) {
  AddItem(L"inner", &AddItem(L"<folder>"));
  banner().UpdateBannerSize();
  EXPECT_EQ(banner().BannerRect(), (TRect{0, 0, 20, 130}));
  EXPECT_EQ(banner().BannerImage().Width(), 20);
  EXPECT_EQ(banner().BannerImage().Height(), 130);
  styler.SetMenu(nullptr);
  banner().UpdateBannerSize();
  EXPECT_EQ(banner().BannerRect(), (TRect{}));
  EXPECT_TRUE(banner().BannerImage().Empty());
  banner().PaintBanner();  // nothing to paint into, and no harm done
}

TEST_F(BannerTest, ASplitMenuHasAStripAsTallAsItsFirstColumnAsMeasured) {
  // d starts the second column: a, b, c and the separator stay in the first.
  menu.Items().Items(4)->SetBreak(TMenuBreak::mbBreak);
  banner().UpdateBannerSize();
  EXPECT_EQ(banner().BannerRect(), (TRect{0, 0, 20, 70}));
  // Rows taller for a large item font make a taller strip.
  TFontDescription large = styler.InActiveFont().Description();
  large.Height = -27;
  styler.SetInActiveFont(large);
  banner().UpdateBannerSize();
  EXPECT_EQ(banner().BannerRect(), (TRect{0, 0, 20, 3 * 32 + 10}));
}

TEST_F(BannerTest, GradientRunsFromTopColourToBottomColour) {
  banner().UpdateBannerSize();
  banner().PaintBanner();
  TBitmap& image = banner().BannerImage();
  ASSERT_EQ(image.Height(), 110);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(PixelAt(image, x, 109), RGB(255, 255, 0)) << x;
  int lastGreen = -1;
  for (int y = 0; y < 110; ++y) {
    const COLORREF c = PixelAt(image, 10, y);
    ASSERT_EQ(GetRValue(c), 255) << y;
    ASSERT_EQ(GetBValue(c), 0) << y;
    ASSERT_GE(GetGValue(c), lastGreen) << y;
    lastGreen = GetGValue(c);
  }
  EXPECT_LT(GetGValue(PixelAt(image, 10, 0)), 8);
}

TEST_F(BannerTest, SystemColoursAndEqualEndsGiveOneColour) {
  banner().SetTopColor(clHighlight);
  banner().SetBottomColor(clHighlight);
  banner().UpdateBannerSize();
  banner().PaintBanner();
  EXPECT_EQ(banner().GradientTable()[0], clHighlight);
  EXPECT_EQ(FindInkOtherThan(banner().BannerImage(), {0, 0, 20, 110}, ::GetSysColor(COLOR_HIGHLIGHT)).Count, 0);
}

TEST_F(BannerTest, CaptionRisesFromNearTheBottom) {
  TFontDescription font;
  font.Name = L"Tahoma";
  font.Height = -12;
  font.Color = RgbColor(0, 0, 160);
  banner().SetFont(font);
  banner().SetTopColor(clWhite);
  banner().SetBottomColor(clWhite);
  banner().SetCaption(L"Tamarind launcher");
  banner().UpdateBannerSize();
  banner().PaintBanner();
  const TInk ink = FindInkOtherThan(banner().BannerImage(), {0, 0, 20, 110}, RGB(255, 255, 255));
  ASSERT_GT(ink.Count, 20);
  EXPECT_GT(ink.Bounds.Height(), 3 * ink.Bounds.Width());  // written upwards, not across
  EXPECT_LE(ink.Bounds.Bottom, 105);
  EXPECT_GE(ink.Bounds.Bottom, 95);
  EXPECT_GE(ink.Bounds.Left, 4);
  EXPECT_LE(ink.Bounds.Right, 4 + 12);

  font.Style = TFontStyles{TFontStyle::fsBold};
  banner().SetFont(font);
  banner().PaintBanner();
  const TInk bold = FindInkOtherThan(banner().BannerImage(), {0, 0, 20, 110}, RGB(255, 255, 255));
  EXPECT_GT(bold.Count, ink.Count * 5 / 4) << "a bold font is written bold";

  banner().SetCaption(L"");
  banner().PaintBanner();
  EXPECT_EQ(FindInkOtherThan(banner().BannerImage(), {0, 0, 20, 110}, RGB(255, 255, 255)).Count, 0);
}

TEST_F(BannerTest, TopLevelItemsShowTheirSliceOfTheBanner) {
  styler.SetMenuStyle(msWindows);
  banner().UpdateBannerSize();
  banner().PaintBanner();
  TBitmap picture;
  Blank(picture, 320, 110);
  TMenuItem& b = *menu.Items().Items(1);
  Paint(b, {0, 20, 150, 40}, ODS_SELECTED, picture);
  for (int y = 20; y < 40; ++y) {
    for (int x = 0; x < 20; ++x) {
      ASSERT_EQ(PixelAt(picture, x, y), PixelAt(banner().BannerImage(), x, y)) << x << "," << y;
    }
  }
  EXPECT_EQ(PixelAt(picture, 20, 30), ColorToRGB(TestActive));  // the gap belongs to the item
  // An item in a second column has no banner picture beside it, and paints nothing outside
  // itself.
  const COLORREF firstColumnEdge = PixelAt(picture, 149, 30);
  Paint(b, {150, 20, 300, 40}, 0, picture);
  EXPECT_EQ(PixelAt(picture, 160, 30), ColorToRGB(TestInactive));
  EXPECT_EQ(PixelAt(picture, 149, 30), firstColumnEdge);
  EXPECT_EQ(PixelAt(picture, 305, 30), RGB(1, 2, 3));
}

}  // namespace
