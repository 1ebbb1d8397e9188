#include "framework/canvas.h"

#include <gtest/gtest.h>

#include "framework/bitmap.h"
#include "framework/system_colors.h"
#include "support/test_pictures.h"

namespace {

class CanvasTest : public ::testing::Test {
protected:
  void SetUp() override { picture.SetSize(40, 30); }
  TBitmap picture;
  TCanvas& canvas() { return picture.Canvas(); }
};

TEST_F(CanvasTest, FillsWithSolidAndSystemColours) {
  canvas().Brush().SetColor(RgbColor(10, 20, 30));
  canvas().FillRect({0, 0, 10, 10});
  EXPECT_EQ(PixelAt(picture, 9, 9), RGB(10, 20, 30));
  EXPECT_EQ(PixelAt(picture, 10, 10), RGB(255, 255, 255));
  canvas().Brush().SetColor(clHighlight);
  canvas().FillRect({0, 0, 10, 10});
  EXPECT_EQ(PixelAt(picture, 5, 5), ::GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(CanvasTest, PatternBrushTilesFromTheContextsOrigin) {
  TBitmap pattern;
  pattern.SetSize(8, 8);
  pattern.Canvas().Brush().SetColor(clBlack);
  pattern.Canvas().FillRect({0, 0, 4, 8});
  canvas().Brush().SetBitmap(&pattern);
  canvas().FillRect({3, 3, 40, 30});
  EXPECT_EQ(PixelAt(picture, 3, 3), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(picture, 4, 3), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(picture, 8, 20), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(picture, 12, 20), RGB(255, 255, 255));
  canvas().Brush().SetBitmap(nullptr);
  canvas().Brush().SetColor(RgbColor(1, 2, 3));
  canvas().FillRect({0, 0, 40, 30});
  EXPECT_EQ(PixelAt(picture, 12, 20), RGB(1, 2, 3));
}

TEST_F(CanvasTest, LettingGoPutsTheContextsOwnObjectsBack) {
  TBitmap other;
  other.SetSize(4, 4);
  HDC dc = other.Canvas().Handle();
  other.Canvas().Unbind();
  const HGDIOBJ brush = ::GetCurrentObject(dc, OBJ_BRUSH), font = ::GetCurrentObject(dc, OBJ_FONT),
                pen = ::GetCurrentObject(dc, OBJ_PEN);
  {
    TCanvas surface;
    surface.Bind(dc);
    surface.Brush().SetColor(RgbColor(9, 9, 9));
    surface.FillRect({0, 0, 2, 2});
    surface.Brush().SetColor(RgbColor(8, 8, 8));  // replaced while selected
    surface.FillRect({0, 0, 2, 2});
    surface.Pen().SetColor(clRed);
    surface.MoveTo(0, 0);
    surface.LineTo(3, 0);
    TRect r{0, 0, 4, 4};
    surface.TextInRect(r, L"a", DT_SINGLELINE);
  }
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush);
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen);
}

// A draw request's copy of a menu font shares its handle, and the font the canvas has
// selected follows the copy's changes and outlives the original's.
TEST_F(CanvasTest, AnAssignedFontSharesItsHandle) {
  TFont menuFont;
  menuFont.SetHeight(-30);
  canvas().Font().Assign(menuFont);
  EXPECT_EQ(canvas().Font().Handle(), menuFont.Handle());
  TRect measured{0, 0, 0, 0};
  canvas().TextInRect(measured, L"W", DT_CALCRECT | DT_SINGLELINE);
  EXPECT_GE(measured.Height(), 30);
  menuFont.SetHeight(-10);  // the original makes a new handle; the selected one lives on
  EXPECT_NE(canvas().Font().Handle(), menuFont.Handle());
  EXPECT_EQ(::GetCurrentObject(canvas().Handle(), OBJ_FONT), canvas().Font().Handle());
  LOGFONTW record{};
  ASSERT_TRUE(::GetObjectW(canvas().Font().Handle(), sizeof(record), &record));
  EXPECT_EQ(record.lfHeight, -30);
  canvas().Font().Assign(menuFont);  // the canvas puts the old handle out before taking the new
  measured = {0, 0, 0, 0};
  canvas().TextInRect(measured, L"W", DT_CALCRECT | DT_SINGLELINE);
  EXPECT_LT(measured.Height(), 20);
}

TEST_F(CanvasTest, MeasuringDrawsNothing) {
  canvas().Font().SetHeight(-12);
  TRect r{0, 0, 0, 0};
  canvas().TextInRect(r, L"&Wide text 幅", DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_VCENTER);
  EXPECT_GT(r.Width(), 30);
  for (int x = 0; x < 40; ++x) ASSERT_EQ(PixelAt(picture, x, 5), RGB(255, 255, 255));
}

TEST_F(CanvasTest, ClearBrushLeavesTheBackgroundBehindText) {
  canvas().Brush().SetColor(RgbColor(0, 0, 255));
  canvas().FillRect({0, 0, 40, 30});
  canvas().Brush().SetStyle(TBrushStyle::bsClear);
  canvas().Font().SetColor(clWhite);
  canvas().Font().SetHeight(-20);
  TRect r{0, 0, 40, 30};
  canvas().TextInRect(r, L"I", DT_LEFT | DT_SINGLELINE | DT_VCENTER);
  int white = 0, blue = 0;
  for (int x = 0; x < 40; ++x) {
    const COLORREF c = PixelAt(picture, x, 15);
    white += c == RGB(255, 255, 255);
    blue += c == RGB(0, 0, 255);
  }
  EXPECT_GT(white, 0);
  EXPECT_GT(blue, 30);
}

TEST_F(CanvasTest, GlyphsStretchWithoutTheirTransparentColour) {
  TBitmap glyph;
  glyph.SetSize(2, 2);
  glyph.Canvas().Brush().SetColor(clPurple);
  glyph.Canvas().FillRect({0, 0, 2, 2});
  glyph.Canvas().Brush().SetColor(clBlack);
  glyph.Canvas().FillRect({0, 0, 1, 1});
  canvas().StretchTransparent({10, 10, 14, 14}, glyph, clPurple);
  EXPECT_EQ(PixelAt(picture, 11, 11), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(picture, 12, 12), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(picture, 13, 10), RGB(255, 255, 255));
}

TEST_F(CanvasTest, RasterCopyPaintsTheBrushWhereTheMaskIsWhite) {
  TBitmap mask;
  mask.SetSize(4, 1);
  mask.Canvas().Brush().SetColor(clBlack);
  mask.Canvas().FillRect({0, 0, 2, 1});
  mask.ReduceToMonochrome();  // the black half is ink: white
  canvas().Brush().SetColor(RgbColor(0, 200, 0));
  canvas().RasterCopy(0, 0, mask, 0x00E20746, RGB(0, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(picture, 0, 0), RGB(0, 200, 0));
  EXPECT_EQ(PixelAt(picture, 1, 0), RGB(0, 200, 0));
  EXPECT_EQ(PixelAt(picture, 2, 0), RGB(255, 255, 255));
  EXPECT_EQ(::GetTextColor(canvas().Handle()), RGB(0, 0, 0));
}

}  // namespace
