#pragma once
// The geometry of an owner-drawn item: where its parts go, the size it asks for, and where the
// hint beside it shows.
#include <string>
#include <string_view>

#include "framework/geometry.h"

// A row is laid out from its left edge as [banner strip, gap (top-level popup items with the
// banner only)] [image column, ItemHeight wide] [1-pixel gap] [text ... shortcut, ending a
// margin before the right edge]. Sizes are designed for 96 dpi and scaled for the screen.
inline constexpr int BannerGap = 2;
inline constexpr int ShortcutRightMargin = 15;
inline constexpr int SeparatorHeight = 10;
inline constexpr int MinItemHeight = 18;
inline constexpr int MinLargeItemHeight = 34;
inline constexpr int SmallImageSize = 16;
inline constexpr int LargeImageSize = 32;
// Room beside the text: the image column's gap and the margins round the shortcut.
inline constexpr int ItemTextMargin = 20;
// Room a font needs round its characters in a row.
inline constexpr int FontRowRoom = 5;

// The pixel sizes of a row on one screen.
struct TItemMetrics {
  int ImageColumn = 20;  // ItemHeight
  int ImageSize = SmallImageSize;
  int BannerWidth = 20;
  int BannerGap = ::BannerGap;
  int ShortcutMargin = ShortcutRightMargin;
  int TextMargin = ItemTextMargin;
  int Separator = SeparatorHeight;
  int FontRoom = FontRowRoom;
};
// `imageSize` is already the size for `dpi`: small icons follow the system's own size.
TItemMetrics ItemMetricsAt(int itemHeight, int imageSize, int bannerWidth, int dpi);

struct TItemRects {
  TRect Item;         // the painted item; moved right by the banner width for banner items
  TRect ImageColumn;  // image, check glyph and their frame
  TRect TextArea;
  TRect BannerStrip;  // empty unless a banner item
};

// `itemRect` is the rectangle the platform gave; `bannerItem` marks a top-level popup item
// while the banner is shown.
TItemRects ComputeItemRects(const TRect& itemRect, const TItemMetrics& metrics, bool bannerItem);

// The image column of the painted item rectangle `item` (see TItemRects::Item).
TRect ImageColumnOf(const TRect& item, const TItemMetrics& metrics, bool bannerItem);
// A square of `imageSize` centred in `column`, whose width is taken as `columnWidth`.
TRect CenteredImage(const TRect& column, int columnWidth, int imageSize);
// Caption rectangle of the painted item rectangle; it starts where the text area does and ends
// at the platform's item edge.
TRect CaptionRect(const TRect& item, const TItemMetrics& metrics, bool bannerItem);
// Shortcut rectangle: the caption rectangle ending a margin before the platform's item edge.
TRect ShortcutRect(const TRect& caption, const TItemMetrics& metrics);
// The row of a separator's dark line; the light line lies one row below.
int SeparatorMiddle(const TRect& item);

// The size an item asks for. Heights come from ItemHeight (or the system menu font); widths are
// the text extent plus the image column and margins, plus the banner strip for top-level popup
// items.
// Item heights below the minimum (34 with large images, else 18) are refused.
bool AcceptsItemHeight(int value, bool largeImage);
// Separators have their own height. With the system menu font, items follow the font:
// |font height| + 5. Otherwise a row is ItemHeight high, or taller when the taller of the item
// fonts (`fontHeight`) needs it, so that no text is cut off.
int MeasuredItemHeight(const TItemMetrics& metrics, bool separator, bool systemMenuFont, int fontHeight);
// The text whose extent sets the width: one space, the caption and the shortcut text.
std::wstring MeasuredText(std::wstring_view caption, std::wstring_view shortcut);
// A very long name is cut to `maxWidth` (and drawn with an ellipsis), never to less than the
// row's fixed parts.
int MeasuredItemWidth(int textExtent, const TItemMetrics& metrics, bool bannerItem, int maxWidth);

// The hint beside a highlighted item shows the short part of the item's hint, below the cursor:
// the text before the first "|", or all of it.
std::wstring_view HintShortPart(std::wstring_view hint);

// The hint window's screen rectangle for text measured as `textSize` (a rectangle at 0, 0):
// one caption height below the cursor, with room for the border and the text's indent at `dpi`.
TRect HintBounds(const TRect& textSize, TPoint cursor, int captionHeight, int dpi);
