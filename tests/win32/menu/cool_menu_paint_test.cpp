#include <gtest/gtest.h>

#include "framework/system_colors.h"
#include "menu/item_drawing.h"
#include "menu/item_layout.h"
#include "styler_fixture.h"
#include "support/test_pictures.h"

namespace {

const COLORREF Inactive = ColorToRGB(TestInactive), Active = ColorToRGB(TestActive);

// The check marks' rows 5 to 11 (K black, G grey, S silver, W white, . transparent).
const char* const CheckRows[] = {"...........G....", "..........KKW...", "....G....KKW....", "....KK..KKW.....",
                                 "....WKKKKW......", ".....WKKW.......", "......WW........"};
const char* const CheckMonoRows[] = {"...........S....", "..........GGW...", "....S....GGW....", "....GG..GGW.....",
                                     "....WGGGGW......", ".....WGGW.......", "......WW........"};

COLORREF GlyphColour(char c, COLORREF transparent) {
  switch (c) {
    case 'K': return RGB(0, 0, 0);
    case 'G': return RGB(128, 128, 128);
    case 'S': return RGB(192, 192, 192);
    case 'W': return RGB(255, 255, 255);
  }
  return transparent;
}

class StylerPaint : public StylerFixture {
protected:
  StylerPaint() { Blank(picture, 220, 60); }

  // Checks the 16 x 16 check mark whose top-left corner is (x, y).
  void ExpectCheckMark(int x, int y, const char* const rows[], COLORREF background) {
    for (int row = 0; row < 16; ++row) {
      for (int column = 0; column < 16; ++column) {
        const char c = row >= 5 && row <= 11 ? rows[row - 5][column] : '.';
        ASSERT_EQ(PixelAt(picture, x + column, y + row), GlyphColour(c, background))
            << "glyph pixel " << column << "," << row;
      }
    }
  }

  int SpaceWidth() {
    TScreenDC screen;
    TCanvas canvas;
    canvas.Bind(screen.Get());
    canvas.Font().Assign(styler.InActiveFont());
    return MenuTextExtent(canvas, L" ");
  }

  TBitmap picture;
};

TEST_F(StylerPaint, CaptionStartsAfterTheImageColumnOrTheBanner) {
  styler.SetMenuStyle(msWindows);
  TMenuItem& item = AddItem(L"IIII");
  TMenuItem& folder = AddItem(L"<folder>");
  TMenuItem& inner = AddItem(L"IIII", &folder);
  const int textStart = 20 + 1 + SpaceWidth();

  Paint(item, {0, 0, 200, 20}, 0, picture);
  const TInk plain = FindInkOtherThan(picture, {0, 0, 200, 20}, Inactive);
  ASSERT_GT(plain.Count, 0);
  EXPECT_GE(plain.Bounds.Left, textStart);
  EXPECT_LE(plain.Bounds.Left, textStart + 3);

  styler.Banner().SetShowBanner(true);
  styler.Banner().UpdateBannerSize();
  styler.Banner().PaintBanner();
  Paint(item, {0, 20, 200, 40}, 0, picture);
  const TInk banner = FindInkOtherThan(picture, {22, 20, 200, 40}, Inactive);
  EXPECT_GE(banner.Bounds.Left, 20 + textStart + 2);
  EXPECT_LE(banner.Bounds.Left, 20 + textStart + 2 + 3);

  Paint(inner, {0, 40, 200, 60}, 0, picture);  // submenus get no banner
  const TInk inside = FindInkOtherThan(picture, {0, 40, 200, 60}, Inactive);
  EXPECT_EQ(inside.Bounds.Left, plain.Bounds.Left);
}

TEST_F(StylerPaint, ShortcutEndsFifteenPixelsBeforeTheEdge) {
  styler.SetMenuStyle(msWindows);
  TMenuItem& item = AddItem(L"");
  item.SetShortCut(ShortCut('S', scCtrl));
  Paint(item, {0, 0, 200, 20}, 0, picture);
  const TInk ink = FindInkOtherThan(picture, {0, 0, 200, 20}, Inactive);
  EXPECT_LT(ink.Bounds.Right, 185);
  EXPECT_GE(ink.Bounds.Right, 180);
}

TEST_F(StylerPaint, DefaultItemsAreBold) {
  styler.SetMenuStyle(msWindows);
  TMenuItem& normal = AddItem(L"Open this folder");
  TMenuItem& bold = AddItem(L"Open this folder");
  bold.SetDefault(true);
  Paint(normal, {0, 0, 200, 20}, 0, picture);
  Paint(bold, {0, 20, 200, 40}, 0, picture);
  const int normalInk = FindInkOtherThan(picture, {0, 0, 200, 20}, Inactive).Count;
  const int boldInk = FindInkOtherThan(picture, {0, 20, 200, 40}, Inactive).Count;
  EXPECT_GT(boldInk, normalInk * 5 / 4);
  Paint(normal, {0, 40, 200, 60}, 0, picture);  // the next item is not bold again
  EXPECT_EQ(FindInkOtherThan(picture, {0, 40, 200, 60}, Inactive).Count, normalInk);
}

TEST_F(StylerPaint, SeparatorIsAGreyLineOverAHighlightLine) {
  TMenuItem& line = AddItem(L"-");
  Paint(line, {0, 10, 100, 20}, 0, picture);
  for (int x = 0; x < 100; ++x) {
    const bool inLine = x >= 1 && x < 99;
    ASSERT_EQ(PixelAt(picture, x, 15), inLine ? ::GetSysColor(COLOR_GRAYTEXT) : Inactive) << x;
    ASSERT_EQ(PixelAt(picture, x, 16), inLine ? ::GetSysColor(COLOR_BTNHIGHLIGHT) : Inactive) << x;
    ASSERT_EQ(PixelAt(picture, x, 14), Inactive) << x;
    ASSERT_EQ(PixelAt(picture, x, 17), Inactive) << x;
  }
  EXPECT_EQ(PixelAt(picture, 5, 20), RGB(1, 2, 3));  // nothing outside the item
}

TEST_F(StylerPaint, WindowsStyleDrawsTheCheckMarkInsteadOfTheImage) {
  styler.SetMenuStyle(msWindows);
  TMenuItem& item = AddItem(L"checked");
  item.SetChecked(true);
  styler.SetItemImage(item, AddImage(RGB(200, 0, 0), 0), L"");
  Paint(item, {0, 0, 200, 20}, ODS_SELECTED | ODS_CHECKED, picture);
  ExpectCheckMark(2, 2, CheckRows, Active);
  EXPECT_EQ(FindInk(picture, {0, 0, 20, 20}, [](COLORREF c) { return c == RGB(200, 0, 0); }).Count, 0);
  EXPECT_EQ(PixelAt(picture, 150, 1), Active);

  item.SetEnabled(false);
  Paint(item, {0, 20, 200, 40}, ODS_CHECKED | ODS_GRAYED, picture);
  ExpectCheckMark(2, 22, CheckMonoRows, Inactive);
}

TEST_F(StylerPaint, OfficeStyleShowsACheckerPatternBehindACheckedItem) {
  TMenuItem& item = AddItem(L"checked");
  item.SetChecked(true);
  Paint(item, {0, 0, 200, 20}, ODS_CHECKED, picture);  // the pattern is made in the old colour
  const COLORREF menuColour = RGB(212, 208, 200);
  TSystemColorOverride menuColor(COLOR_MENU, menuColour);
  TMessage settingsChanged{WM_WININICHANGE, 0, 0, 0};  // passed on as a host would
  styler.Dispatch(settingsChanged);
  Paint(item, {0, 0, 200, 20}, ODS_CHECKED, picture);
  for (int y = 2; y < 7; ++y) {  // above the mark, inside the frame
    for (int x = 3; x < 17; ++x) {
      ASSERT_EQ(PixelAt(picture, x, y), (x + y) % 2 == 0 ? RGB(255, 255, 255) : menuColour) << x << "," << y;
    }
  }
  EXPECT_EQ(PixelAt(picture, 2 + 10, 2 + 6), RGB(0, 0, 0));  // the mark itself
  EXPECT_NE(PixelAt(picture, 0, 10), menuColour);          // the sunken frame
  EXPECT_EQ(PixelAt(picture, 150, 1), Inactive);
}

TEST_F(StylerPaint, OfficeStyleHighlightsOnlyTheTextOfASelectedCheckedItem) {
  TMenuItem& item = AddItem(L"checked");
  item.SetChecked(true);
  Paint(item, {0, 0, 200, 20}, ODS_SELECTED | ODS_CHECKED, picture);
  EXPECT_EQ(PixelAt(picture, 198, 1), Active);
  EXPECT_EQ(PixelAt(picture, 21, 1), Active);
  EXPECT_EQ(PixelAt(picture, 4, 4), Inactive);  // the check column keeps the normal colour
  EXPECT_EQ(PixelAt(picture, 2 + 10, 2 + 6), RGB(0, 0, 0));
  EXPECT_NE(PixelAt(picture, 0, 10), Inactive);
  EXPECT_NE(PixelAt(picture, 19, 10), Inactive);
}

TEST_F(StylerPaint, OfficeStyleFramesTheImageOfASelectedItem) {
  TMenuItem& item = AddItem(L"image");
  styler.SetItemImage(item, AddImage(RGB(0, 160, 0), 2), L"");
  Paint(item, {0, 0, 200, 20}, 0, picture);
  EXPECT_EQ(PixelAt(picture, 2 + 8, 2 + 8), RGB(0, 160, 0));
  EXPECT_EQ(PixelAt(picture, 2 + 1, 2 + 1), Inactive);  // masked out
  Paint(item, {0, 0, 200, 20}, ODS_SELECTED, picture);
  EXPECT_EQ(PixelAt(picture, 198, 1), Active);
  EXPECT_EQ(PixelAt(picture, 2 + 1, 2 + 1), Inactive);  // the image column is not highlighted
  EXPECT_EQ(PixelAt(picture, 2 + 8, 2 + 8), RGB(0, 160, 0));
  EXPECT_NE(PixelAt(picture, 0, 10), Inactive);  // raised frame
}

TEST_F(StylerPaint, DisabledImagesAreEmbossed) {
  styler.SetMenuStyle(msWindows);
  TMenuItem& item = AddItem(L"disabled");
  item.SetEnabled(false);
  styler.SetItemImage(item, AddImage(RGB(0, 0, 0), 4), L"");  // black square at 4..11
  Paint(item, {0, 0, 200, 20}, ODS_GRAYED, picture);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const int x = 2, y = 2;
  EXPECT_EQ(PixelAt(picture, x + 4, y + 4), shadow);
  EXPECT_EQ(PixelAt(picture, x + 11, y + 11), shadow);
  EXPECT_EQ(PixelAt(picture, x + 12, y + 8), light);
  EXPECT_EQ(PixelAt(picture, x + 8, y + 12), light);
  EXPECT_EQ(PixelAt(picture, x + 12, y + 12), light);
  EXPECT_EQ(PixelAt(picture, x + 3, y + 8), Inactive);
  EXPECT_EQ(PixelAt(picture, x + 12, y + 4), Inactive);
  EXPECT_EQ(FindInk(picture, {0, 0, 20, 20}, [](COLORREF c) { return c == RGB(0, 0, 0); }).Count, 0);
}

TEST_F(StylerPaint, BackgroundPicturesAreTiledFromTheWindowsOrigin) {
  styler.SetMenuStyle(msWindows);
  TBitmap tile;
  tile.SetSize(3, 2);
  const COLORREF colours[2][3] = {{RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0)},
                                  {RGB(40, 0, 0), RGB(50, 0, 0), RGB(60, 0, 0)}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) ::SetPixel(tile.Canvas().Handle(), x, y, colours[y][x]);
  }
  styler.SetInActiveBitmap(&tile);
  TMenuItem& item = AddItem(L"");
  Blank(picture, 450, 60);
  Paint(item, {380, 20, 440, 40}, 0, picture);
  for (int y = 20; y < 40; ++y) {
    EXPECT_EQ(PixelAt(picture, 381, y), colours[y % 2][381 % 3]) << y;
    EXPECT_EQ(PixelAt(picture, 399, y), colours[y % 2][399 % 3]) << y;
    EXPECT_EQ(PixelAt(picture, 400, y), Inactive) << y;  // beyond the cache
  }
  styler.SetInActiveBitmap(nullptr);
  Paint(item, {380, 20, 440, 40}, 0, picture);
  EXPECT_EQ(PixelAt(picture, 381, 21), Inactive);
}

TEST_F(StylerPaint, HostPaintingReplacesAllOwnPainting) {
  TMenuItem& item = AddItem(L"item");
  styler.Banner().SetShowBanner(true);
  styler.Banner().UpdateBannerSize();
  styler.Banner().PaintBanner();
  int calls = 0;
  styler.OnDrawItem = [&](TPopupMenu* menuArg, TMenuItem* itemArg, const TRect& rect, unsigned state) {
    ++calls;
    EXPECT_EQ(menuArg, &menu);
    EXPECT_EQ(itemArg, &item);
    EXPECT_EQ(rect, (TRect{0, 0, 200, 20}));
    EXPECT_EQ(state, ODS_SELECTED);
  };
  Paint(item, {0, 0, 200, 20}, ODS_SELECTED, picture);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(FindInkOtherThan(picture, {0, 0, 220, 60}, RGB(1, 2, 3)).Count, 0);
  Paint(0xF060, {0, 20, 200, 40}, 0, picture, ::GetSystemMenu(form->Handle(), FALSE));
  EXPECT_EQ(calls, 1);
  EXPECT_GT(FindInkOtherThan(picture, {0, 20, 200, 40}, RGB(1, 2, 3)).Count, 0);
}

TEST_F(StylerPaint, OnlyItemsThatCanBeSeenArePainted) {
  // The platform asks for every item of a menu, also those in columns past the screen's edge.
  TMenuItem& item = AddItem(L"item");
  std::vector<TRect> painted;
  styler.OnDrawItem = [&](TPopupMenu*, TMenuItem*, const TRect& rect, unsigned) { painted.push_back(rect); };
  Blank(picture, 220, 60);
  HDC dc = picture.Canvas().Handle();
  ::IntersectClipRect(dc, 0, 0, 150, 60);
  for (const TRect rect : {TRect{0, 0, 200, 20}, TRect{140, 20, 340, 40}, TRect{150, 20, 350, 40}, TRect{0, 60, 200, 80}})
    Paint(item, rect, 0, picture);
  ::SelectClipRgn(dc, nullptr);
  EXPECT_EQ(painted, (std::vector<TRect>{{0, 0, 200, 20}, {140, 20, 340, 40}}));
}

TEST_F(StylerPaint, AFailingPaintIsReportedAndLeavesTheContextAsItWas) {
  TMenuItem& item = AddItem(L"item");
  HDC dc = picture.Canvas().Handle();
  picture.Canvas().Unbind();
  ::SetTextColor(dc, RGB(7, 7, 7));
  const HGDIOBJ brush = ::GetCurrentObject(dc, OBJ_BRUSH), font = ::GetCurrentObject(dc, OBJ_FONT),
                pen = ::GetCurrentObject(dc, OBJ_PEN);
  const auto expectUnchanged = [&] {
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(::GetTextColor(dc), RGB(7, 7, 7));
    HRGN clip = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetClipRgn(dc, clip), 0);  // no clipping left behind
    ::DeleteObject(clip);
  };
  TMenuItem& line = AddItem(L"-");
  Paint(line, {0, 0, 200, 10}, 0, picture);
  Paint(item, {0, 10, 200, 30}, ODS_SELECTED, picture);
  expectUnchanged();
  styler.OnDrawItem = [](TPopupMenu*, TMenuItem*, const TRect&, unsigned) { throw Exception(L"描けません"); };
  Paint(item, {0, 10, 200, 30}, 0, picture);
  expectUnchanged();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], L"描けません");
}

TEST_F(StylerPaint, TextTakesTheColourOfItsState) {
  styler.SetMenuStyle(msWindows);
  TMenuItem& item = AddItem(L"IIII");
  const COLORREF activeText = ColorToRGB(TestActiveText), inactiveText = ColorToRGB(TestInactiveText);
  const auto inkOf = [&](COLORREF colour, int top) {
    return FindInk(picture, {0, top, 200, top + 20}, [=](COLORREF c) { return c == colour; }).Count;
  };
  Paint(item, {0, 0, 200, 20}, 0, picture);
  Paint(item, {0, 20, 200, 40}, ODS_SELECTED, picture);
  EXPECT_GT(inkOf(inactiveText, 0), 0);
  EXPECT_EQ(inkOf(activeText, 0), 0);
  EXPECT_GT(inkOf(activeText, 20), 0);
  EXPECT_EQ(inkOf(inactiveText, 20), 0);
}

TEST_F(StylerPaint, DisabledTextIsEmbossedExceptWhenSelectedInTheWindowsStyle) {
  const COLORREF light = RGB(0x30, 0xC0, 0x60), grey = RGB(0x70, 0x20, 0x90);
  const TSystemColorOverride highlight(COLOR_BTNHIGHLIGHT, light), grayText(COLOR_GRAYTEXT, grey);
  TMenuItem& item = AddItem(L"IIII");
  item.SetEnabled(false);
  const auto inkOf = [&](COLORREF colour, int top) {
    return FindInk(picture, {0, top, 200, top + 20}, [=](COLORREF c) { return c == colour; }).Count;
  };
  styler.SetMenuStyle(msWindows);
  Paint(item, {0, 0, 200, 20}, ODS_GRAYED, picture);
  Paint(item, {0, 20, 200, 40}, ODS_SELECTED | ODS_GRAYED, picture);
  styler.SetMenuStyle(msOffice);
  Paint(item, {0, 40, 200, 60}, ODS_SELECTED | ODS_GRAYED, picture);
  EXPECT_GT(inkOf(grey, 0), 0);
  EXPECT_GT(inkOf(light, 0), 0);
  EXPECT_GT(inkOf(grey, 20), 0);
  EXPECT_EQ(inkOf(light, 20), 0) << "only the grey pass";
  EXPECT_GT(inkOf(grey, 40), 0);
  EXPECT_GT(inkOf(light, 40), 0);
}

TEST_F(StylerPaint, TheFocusBitDrawsAFocusRectangle) {
  TMenuItem& item = AddItem(L"");
  Paint(item, {0, 0, 200, 20}, 0, picture);
  Paint(item, {0, 20, 200, 40}, ODS_FOCUS, picture);
  EXPECT_EQ(FindInkOtherThan(picture, {0, 0, 200, 20}, Inactive).Count, 0);
  EXPECT_GT(FindInkOtherThan(picture, {0, 20, 200, 21}, Inactive).Count, 50);   // top edge
  EXPECT_GT(FindInkOtherThan(picture, {0, 39, 200, 40}, Inactive).Count, 50);   // bottom edge
  EXPECT_EQ(FindInkOtherThan(picture, {2, 22, 198, 38}, Inactive).Count, 0);   // nothing inside
}

TEST_F(StylerPaint, SeparatorsLieOnTheNormalBackgroundPicture) {
  styler.SetMenuStyle(msWindows);
  const COLORREF activeTile = RGB(200, 10, 10), inactiveTile = RGB(10, 200, 10);
  TBitmap active, inactive;
  Blank(active, 4, 4, activeTile);
  Blank(inactive, 4, 4, inactiveTile);
  styler.SetActiveBitmap(&active);
  styler.SetInActiveBitmap(&inactive);
  TMenuItem& line = AddItem(L"-");
  Paint(line, {0, 10, 100, 20}, 0, picture);
  EXPECT_EQ(PixelAt(picture, 50, 11), inactiveTile);
  EXPECT_EQ(PixelAt(picture, 0, 15), inactiveTile);
}

}  // namespace
