#include "menu/item_hint.h"

namespace {

constexpr int ExtraWidth = 6;
constexpr int ExtraHeight = 2;

}  // namespace

std::wstring_view HintShortPart(std::wstring_view hint) { return hint.substr(0, hint.find(L'|')); }

TRect HintBounds(const TRect& textSize, TPoint cursor, int captionHeight) {
  TRect bounds = textSize.Offset(cursor.X, cursor.Y + captionHeight);
  bounds.Right += ExtraWidth;
  bounds.Bottom += ExtraHeight;
  return bounds;
}
