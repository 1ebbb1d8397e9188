#pragma once
// The geometry of an owner-drawn item: where its parts go, the size it asks for, and where the
// hint beside it shows.
#include <string>
#include <string_view>

#include "framework/geometry.h"

// A row is laid out from its left edge as [banner strip, 2-pixel gap (top-level popup items
// with the banner only)] [image column, ItemHeight wide] [1-pixel gap] [text ... shortcut,
// ending 15 pixels before the right edge].
inline constexpr int BannerGap = 2;
inline constexpr int ShortcutRightMargin = 15;

struct TItemRects {
  TRect Item;         // the painted item; moved right by the banner width for banner items
  TRect ImageColumn;  // image, check glyph and their frame
  TRect TextArea;
  TRect BannerStrip;  // empty unless a banner item
};

// `itemRect` is the rectangle the platform gave; `bannerItem` marks a top-level popup item
// while the banner is shown.
TItemRects ComputeItemRects(const TRect& itemRect, int itemHeight, int bannerWidth, bool bannerItem);

// The image column of the painted item rectangle `item` (see TItemRects::Item).
TRect ImageColumnOf(const TRect& item, int itemHeight, bool bannerItem);
// A square of `imageSize` centred in `column`, whose width is taken as `columnWidth`.
TRect CenteredImage(const TRect& column, int columnWidth, int imageSize);
// Caption rectangle of the painted item rectangle; it starts where the text area does.
TRect CaptionRect(const TRect& item, int itemHeight, bool bannerItem);
// Shortcut rectangle: the caption rectangle ending 15 pixels before the platform's item edge.
TRect ShortcutRect(const TRect& caption, int bannerWidth, bool bannerItem);
// The row of a separator's dark line; the light line lies one row below.
int SeparatorMiddle(const TRect& item);

// The size an item asks for. Heights come from ItemHeight (or the system menu font); widths are
// the text extent plus the image column and margins, plus the banner strip for top-level popup
// items.
inline constexpr int SeparatorHeight = 10;
inline constexpr int MinItemHeight = 18;
inline constexpr int MinLargeItemHeight = 34;
inline constexpr int SmallImageSize = 16;
inline constexpr int LargeImageSize = 32;
// Room beside the text: the image column's gap and the margins round the shortcut.
inline constexpr int ItemTextMargin = 20;

// Item heights below the minimum (34 with large images, else 18) are refused.
bool AcceptsItemHeight(int value, bool largeImage);
// With the system menu font, items follow the font: |font height| + 5; separators stay 10.
int MeasuredItemHeight(int itemHeight, bool separator, bool systemMenuFont, int systemFontHeight);
// The text whose extent sets the width: one space, the caption and the shortcut text.
std::wstring MeasuredText(std::wstring_view caption, std::wstring_view shortcut);
int MeasuredItemWidth(int textExtent, int itemHeight, bool bannerItem, int bannerWidth);

// The hint beside a highlighted item shows the short part of the item's hint, below the cursor:
// the text before the first "|", or all of it.
std::wstring_view HintShortPart(std::wstring_view hint);

// The hint window's screen rectangle for text measured as `textSize` (a rectangle at 0, 0):
// one caption height below the cursor, with room for the border and the text's indent.
TRect HintBounds(const TRect& textSize, TPoint cursor, int captionHeight);
