#pragma once
// Where the parts of an owner-drawn item go. A row is laid out from its left edge as
// [banner strip, 2-pixel gap (top-level popup items with the banner only)] [image column,
// ItemHeight wide] [1-pixel gap] [text ... shortcut, ending 15 pixels before the right edge].
#include "framework/geometry.h"

// Owner-draw state bits of an item.
inline constexpr unsigned odsSelected = 0x01;
inline constexpr unsigned odsGrayed = 0x02;
inline constexpr unsigned odsDisabled = 0x04;
inline constexpr unsigned odsChecked = 0x08;
inline constexpr unsigned odsFocus = 0x10;

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
