#pragma once
// The hint shown beside a highlighted menu item: the short part of the item's hint, placed
// below the cursor.
#include <string_view>

#include "framework/geometry.h"

// The text before the first "|", or all of it.
std::wstring_view HintShortPart(std::wstring_view hint);

// The hint window's screen rectangle for text measured as `textSize` (a rectangle at 0, 0):
// one caption height below the cursor, with room for the border and the text's indent.
TRect HintBounds(const TRect& textSize, TPoint cursor, int captionHeight);
