#pragma once
// The size an owner-drawn item asks for. Heights come from ItemHeight (or the system menu
// font); widths are the text extent plus the image column and margins, plus the banner strip
// for top-level popup items.
#include <string>
#include <string_view>

inline constexpr int SeparatorHeight = 10;
inline constexpr int MinItemHeight = 18;
inline constexpr int MinLargeItemHeight = 34;
inline constexpr int SmallImageSize = 16;
inline constexpr int LargeImageSize = 32;
// Room beside the text: the image column's gap and the margins round the shortcut.
inline constexpr int ItemTextMargin = 20;

// A caption of exactly "-" is a separator; "--" or "-x" is not.
bool IsSeparatorCaption(std::wstring_view caption);
// Item heights below the minimum (34 with large images, else 18) are refused.
bool AcceptsItemHeight(int value, bool largeImage);
// With the system menu font, items follow the font: |font height| + 5; separators stay 10.
int MeasuredItemHeight(int itemHeight, bool separator, bool systemMenuFont, int systemFontHeight);
// The text whose extent sets the width: one space, the caption and the shortcut text.
std::wstring MeasuredText(std::wstring_view caption, std::wstring_view shortcut);
int MeasuredItemWidth(int textExtent, int itemHeight, bool bannerItem, int bannerWidth);
