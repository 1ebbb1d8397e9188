#pragma once
// Where the spin buttons go: the two buttons inside the pair, and the pair inside the edit.
#include "framework/geometry.h"

enum class TBtnType { btUp, btDown };

// Neither side of the button pair gets smaller than this.
inline constexpr int MinButtonPairSize = 15;

struct TButtonPairLayout {
  int Width;
  int Height;
  TRect Up;
  TRect Down;  // below Up; for an odd height the middle row belongs to neither
};
TButtonPairLayout LayoutButtonPair(int width, int height);

// The area, in the edit's client coordinates, whose right edge, top and bottom the button pair
// is aligned to. The edit's size is its outer size.
TRect ButtonPairArea(int editWidth, int editHeight, bool ctl3D);

// The text's formatting rectangle: it stops short of the buttons.
TRect EditTextRect(int clientWidth, int clientHeight, int buttonWidth);
