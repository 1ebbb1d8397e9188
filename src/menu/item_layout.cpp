#include "menu/item_layout.h"

#include <cstdlib>

TItemRects ComputeItemRects(const TRect& itemRect, int itemHeight, int bannerWidth, bool bannerItem) {
  const int l = itemRect.Left, t = itemRect.Top, r = itemRect.Right, b = itemRect.Bottom;
  const int h = itemHeight;
  if (!bannerItem) return {itemRect, {l, t, l + h, b}, {l + h + 1, t, r, b}, {}};
  const int w = bannerWidth;
  return {itemRect.Offset(w, 0),
          {l + w + BannerGap, t, l + w + BannerGap + h, b},
          {l + h + w + BannerGap + 1, t, r, b},
          {l, t, l + w, b}};
}

TRect ImageColumnOf(const TRect& item, int itemHeight, bool bannerItem) {
  TRect column = bannerItem ? item.Offset(BannerGap, 0) : item;
  column.Right = column.Left + itemHeight;
  return column;
}

TRect CenteredImage(const TRect& column, int columnWidth, int imageSize) {
  const int left = column.Left + (columnWidth - imageSize) / 2;
  const int top = column.Top + (column.Height() - imageSize) / 2;
  return {left, top, left + imageSize, top + imageSize};
}

TRect CaptionRect(const TRect& item, int itemHeight, bool bannerItem) {
  TRect caption = item;
  caption.Left += itemHeight + 1 + (bannerItem ? BannerGap : 0);
  return caption;
}

TRect ShortcutRect(const TRect& caption, int bannerWidth, bool bannerItem) {
  TRect shortcut = caption;
  shortcut.Right -= ShortcutRightMargin + (bannerItem ? bannerWidth : 0);
  return shortcut;
}

int SeparatorMiddle(const TRect& item) { return item.Top + item.Height() / 2; }

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

std::wstring_view HintShortPart(std::wstring_view hint) { return hint.substr(0, hint.find(L'|')); }

TRect HintBounds(const TRect& textSize, TPoint cursor, int captionHeight) {
  constexpr int ExtraWidth = 6, ExtraHeight = 2;
  TRect bounds = textSize.Offset(cursor.X, cursor.Y + captionHeight);
  bounds.Right += ExtraWidth;
  bounds.Bottom += ExtraHeight;
  return bounds;
}
