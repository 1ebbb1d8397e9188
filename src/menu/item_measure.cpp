#include "menu/item_measure.h"

#include <cstdlib>

#include "menu/item_layout.h"

bool IsSeparatorCaption(std::wstring_view caption) { return caption == L"-"; }

bool AcceptsItemHeight(int value, bool largeImage) {
  return value >= (largeImage ? MinLargeItemHeight : MinItemHeight);
}

int MeasuredItemHeight(int itemHeight, bool separator, bool systemMenuFont, int systemFontHeight) {
  if (separator) return SeparatorHeight;
  return systemMenuFont ? std::abs(systemFontHeight) + 5 : itemHeight;
}

std::wstring MeasuredText(std::wstring_view caption, std::wstring_view shortcut) {
  std::wstring text = L" ";
  text.append(caption).append(shortcut);
  return text;
}

int MeasuredItemWidth(int textExtent, int itemHeight, bool bannerItem, int bannerWidth) {
  int width = textExtent + itemHeight + ItemTextMargin;
  if (bannerItem) width += bannerWidth + BannerGap;
  return width;
}
