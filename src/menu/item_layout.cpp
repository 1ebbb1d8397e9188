#include "menu/item_layout.h"

#include <algorithm>
#include <cstdlib>

#include "framework/dpi_scale.h"

TItemMetrics ItemMetricsAt(int itemHeight, int imageSize, int bannerWidth, int dpi) {
  const auto scaled = [dpi](int value) { return ScaleForDpi(value, dpi); };
  return {scaled(itemHeight),     imageSize,           scaled(bannerWidth),     scaled(BannerGap),
          scaled(ShortcutRightMargin), scaled(ItemTextMargin), scaled(SeparatorHeight), scaled(FontRowRoom)};
}

TItemRects ComputeItemRects(const TRect& itemRect, const TItemMetrics& metrics, bool bannerItem) {
  const int l = itemRect.Left, t = itemRect.Top, r = itemRect.Right, b = itemRect.Bottom;
  const int h = metrics.ImageColumn;
  if (!bannerItem) return {itemRect, {l, t, l + h, b}, {l + h + 1, t, r, b}, {}};
  const int w = metrics.BannerWidth, gap = metrics.BannerGap;
  return {itemRect.Offset(w, 0), {l + w + gap, t, l + w + gap + h, b}, {l + h + w + gap + 1, t, r, b}, {l, t, l + w, b}};
}

TRect ImageColumnOf(const TRect& item, const TItemMetrics& metrics, bool bannerItem) {
  TRect column = bannerItem ? item.Offset(metrics.BannerGap, 0) : item;
  column.Right = column.Left + metrics.ImageColumn;
  return column;
}

TRect CenteredImage(const TRect& column, int columnWidth, int imageSize) {
  const int left = column.Left + (columnWidth - imageSize) / 2;
  const int top = column.Top + (column.Height() - imageSize) / 2;
  return {left, top, left + imageSize, top + imageSize};
}

TRect CaptionRect(const TRect& item, const TItemMetrics& metrics, bool bannerItem) {
  TRect caption = item;
  caption.Left += metrics.ImageColumn + 1 + (bannerItem ? metrics.BannerGap : 0);
  // The painted item of a banner item reaches past the platform's edge; a cut caption's
  // ellipsis must show.
  if (bannerItem) caption.Right -= metrics.BannerWidth;
  return caption;
}

TRect ShortcutRect(const TRect& caption, const TItemMetrics& metrics) {
  TRect shortcut = caption;
  shortcut.Right -= metrics.ShortcutMargin;
  return shortcut;
}

int SeparatorMiddle(const TRect& item) { return item.Top + item.Height() / 2; }

bool AcceptsItemHeight(int value, bool largeImage) {
  return value >= (largeImage ? MinLargeItemHeight : MinItemHeight);
}

int MeasuredItemHeight(const TItemMetrics& metrics, bool separator, bool systemMenuFont, int fontHeight) {
  if (separator) return metrics.Separator;
  const int fontNeeds = std::abs(fontHeight) + metrics.FontRoom;
  return systemMenuFont ? fontNeeds : std::max(metrics.ImageColumn, fontNeeds);
}

std::wstring MeasuredText(std::wstring_view caption, std::wstring_view shortcut) {
  std::wstring text = L" ";
  text.append(caption).append(shortcut);
  return text;
}

int MeasuredItemWidth(int textExtent, const TItemMetrics& metrics, bool bannerItem, int maxWidth) {
  int fixed = metrics.ImageColumn + metrics.TextMargin;
  if (bannerItem) fixed += metrics.BannerWidth + metrics.BannerGap;
  return fixed + std::clamp(textExtent, 0, std::max(maxWidth - fixed, 0));
}

std::wstring_view HintShortPart(std::wstring_view hint) { return hint.substr(0, hint.find(L'|')); }

TRect HintBounds(const TRect& textSize, TPoint cursor, int captionHeight, int dpi) {
  constexpr int ExtraWidth = 6, ExtraHeight = 2;
  TRect bounds = textSize.Offset(cursor.X, cursor.Y + captionHeight);
  bounds.Right += ScaleForDpi(ExtraWidth, dpi);
  bounds.Bottom += ScaleForDpi(ExtraHeight, dpi);
  return bounds;
}
