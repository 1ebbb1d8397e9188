// What the styler keeps between requests gives the same pixels and sizes as working them out
// afresh: images composed once over a colour, text widths measured once per font, texts placed
// from sizes known per font, and items painted in a picture of their own before they reach
// the menu.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "framework/bitmap.h"
#include "framework/gdi_handle.h"
#include "framework/image_list.h"
#include "menu/composed_images.h"
#include "menu/item_buffer.h"
#include "menu/item_drawing.h"
#include "menu/text_extents.h"
#include "menu/text_layouts.h"
#include "support/test_pictures.h"

namespace {

// The shell's small icon for a file type, alpha channel and all.
int AddShellIcon(TImageList& list, const wchar_t* extension) {
  SHFILEINFOW info{};
  ::SHGetFileInfoW(extension, FILE_ATTRIBUTE_NORMAL, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
  const TIconHandle icon(info.hIcon);
  return list.AddIcon(icon.Get());
}

TEST(MenuCaches, ImagesComposedOverAColourLookAsIfDrawnOnIt) {
  TImageList list(nullptr);
  const int shell = AddShellIcon(list, L".txt");
  const int square = list.AddIcon(SquareIcon(16, RGB(200, 0, 0), 3).Get());
  ASSERT_GE(shell, 0);
  TComposedImages composed;
  int composes = 0;
  for (const COLORREF backdrop : {RGB(255, 255, 255), RGB(10, 36, 106), RGB(212, 208, 200)}) {
    for (const int index : {shell, square, shell}) {
      TBitmap direct, copied;
      for (TBitmap* bitmap : {&direct, &copied}) {
        bitmap->SetSize(40, 20);
        bitmap->Canvas().FillRectWith({0, 0, 40, 20}, backdrop);
      }
      list.Draw(direct.Canvas(), 12, 2, index);
      composed.Draw(copied.Canvas(), {12, 2}, index, 16, backdrop, [&](TCanvas& work, int x, int y) {
        ++composes;
        list.Draw(work, x, y, index);
      });
      for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) ASSERT_EQ(PixelAt(copied, x, y), PixelAt(direct, x, y)) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(composes, 6);  // each image once over each colour
  composed.Clear();
  TBitmap again;
  again.SetSize(16, 16);
  composed.Draw(again.Canvas(), {0, 0}, shell, 16, RGB(255, 255, 255), [&](TCanvas&, int, int) { ++composes; });
  EXPECT_EQ(composes, 7);
}

TEST(MenuCaches, TextWidthsAreThoseOfAFreshMeasureInTheFontAskedFor) {
  TTextExtents extents;
  TFontDescription font;
  font.Name = L"Tahoma";
  for (const int height : {-11, -20, -11}) {
    font.Height = height;
    for (const std::wstring text : {L" Notes.txt", L" &Report 2024", L" a\tb", L" Notes.txt"}) {
      const TScreenDC screen;
      TCanvas fresh;
      fresh.Bind(screen.Get());
      fresh.Font().Assign(font);
      EXPECT_EQ(extents.Width(font, text), MenuTextExtent(fresh, text)) << height << ": " << text;
    }
  }
}

TEST(MenuCaches, TextsPlacedFromKnownSizesLookAsThePlatformDrawsThem) {
  struct TCase {
    const wchar_t* Text;
    TRect Rect;
    UINT Format;
  };
  constexpr UINT BarFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
  const TCase cases[] = {
      {L" Report 2026.txt", {20, 3, 220, 23}, CaptionFormat},
      {L" Report 2026.txt", {21, 4, 221, 25}, CaptionFormat},  // odd height: the centring's rounding
      {L" Report 2026.txt", {20, 3, 80, 23}, CaptionFormat},   // cut with an ellipsis
      {L" 文書 レポート", {-5, 10, 150, 16}, CaptionFormat},    // taller than its row
      {L"Ctrl+Shift+F12", {20, 3, 220, 23}, ShortcutFormat},
      {L"Ctrl+Shift+F12", {200, 3, 230, 23}, ShortcutFormat},   // wider than its room, no ellipsis
      {L" R&D && more", {20, 3, 220, 23}, CaptionFormat},      // an underlined mnemonic
      {L" R&D && more", {20, 3, 220, 23}, CaptionFormat | DT_NOPREFIX},
      {L" a\tb", {20, 3, 220, 23}, CaptionFormat},
      {L"Tamarind", {20, 3, 219, 24}, BarFormat},
      {L"Tamarind", {-31, 3, 40, 22}, BarFormat},
      {L"Tamarind", {20, 3, 219, 24}, BarFormat | DT_RIGHT},
  };
  TTextLayouts layouts;
  for (const int height : {-12, -17}) {
    for (const bool bold : {false, true}) {
      for (const TCase& c : cases) {
        TBitmap platform, placed;
        for (TBitmap* picture : {&platform, &placed}) {
          picture->SetSize(240, 30);
          for (int x = 0; x < 240; x += 5) picture->Canvas().FillRectWith({x, 0, x + 5, 30}, RgbColor(x, 250 - x, 120));
          TCanvas& canvas = picture->Canvas();
          canvas.Brush().SetStyle(TBrushStyle::bsClear);
          canvas.Font().SetHeight(height);
          if (bold) canvas.Font().SetStyle(TFontStyles{TFontStyle::fsBold});
          canvas.Font().SetColor(RgbColor(20, 30, 200));
        }
        TRect rect = c.Rect;
        platform.Canvas().TextInRect(rect, c.Text, c.Format);
        layouts.Draw(placed.Canvas(), c.Rect, c.Text, c.Format);
        for (int y = 0; y < 30; ++y) {
          for (int x = 0; x < 240; ++x) {
            ASSERT_EQ(PixelAt(placed, x, y), PixelAt(platform, x, y)) << c.Text << " " << height << bold << " " << x << "," << y;
          }
        }
      }
    }
  }
}

TEST(MenuCaches, ItemsPaintedInTheirOwnPictureLookAsIfPaintedOnTheMenu) {
  // What reaches the menu depends on where the item lies (a pattern's phase), on what
  // the menu already shows (the inverting focus frame), and ends at the item's edges.
  TBitmap tile;  // no two of its pixels alike
  tile.SetSize(8, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) tile.Canvas().FillRectWith({x, y, x + 1, y + 1}, RgbColor(x * 30, y * 30, 200));
  }
  const TBrushHandle pattern(::CreatePatternBrush(tile.Handle()));
  const auto paint = [&](TCanvas& canvas, const TRect& item) {
    canvas.FillRectWith({item.Left, item.Top, item.Left + 13, item.Bottom}, pattern.Get());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().SetHeight(-15);
    TRect text{item.Left + 14, item.Top - 4, item.Right + 30, item.Bottom + 4};
    canvas.TextInRect(text, L"Tamarind 文書 Report", DT_SINGLELINE | DT_VCENTER);
    canvas.FocusRect(item);
  };
  const auto striped = [](TBitmap& menu) {
    menu.SetSize(160, 120);
    for (int y = 0; y < 120; y += 3) menu.Canvas().FillRectWith({0, y, 160, y + 3}, RgbColor(y * 2, 255 - y, 90));
  };
  TBitmap direct, buffered;
  striped(direct);
  striped(buffered);
  TItemBuffer buffer;
  // Smaller and larger items in turn, so that the picture grows and is reused; odd corners.
  for (const TRect item : {TRect{3, 5, 60, 22}, TRect{1, 30, 150, 51}, TRect{7, 60, 40, 71}, TRect{0, 80, 160, 120}}) {
    HDC dc = direct.Canvas().Handle();
    ::IntersectClipRect(dc, item.Left, item.Top, item.Right, item.Bottom);
    paint(direct.Canvas(), item);
    ::SelectClipRgn(dc, nullptr);
    paint(buffer.Begin(buffered.Canvas().Handle(), item), item);
    buffer.Flush();
  }
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 160; ++x) ASSERT_EQ(PixelAt(buffered, x, y), PixelAt(direct, x, y)) << x << "," << y;
  }
}

}  // namespace
