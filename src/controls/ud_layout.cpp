#include "controls/ud_layout.h"

#include <algorithm>

TButtonPairLayout LayoutButtonPair(int width, int height) {
  const int w = std::max(width, MinButtonPairSize);
  const int h = std::max(height, MinButtonPairSize);
  return {w, h, TRect{0, 0, w, h / 2}, TRect{0, h / 2 + h % 2, w, h}};
}

TRect ButtonPairArea(int editWidth, int editHeight, bool ctl3D) {
  // Inside a sunken border the pair keeps clear of the border's inner line.
  if (ctl3D) return {0, 0, editWidth - 5, editHeight - 5};
  return {0, 1, editWidth, editHeight - 2};
}

TRect EditTextRect(int clientWidth, int clientHeight, int buttonWidth) {
  return {0, 0, clientWidth - buttonWidth - 2, clientHeight + 1};
}
