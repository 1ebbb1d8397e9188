#pragma once
// Where a menu opened at the pointer stands. Inside the work area its top-left corner is at the
// pointer, and the system moves it back in where it would stick out. With the pointer beyond an
// edge of the work area, on a taskbar, the menu grows away from that edge: its own edge stands
// on the work area's, and across the edge it follows the pointer, kept within the work area.
#include "framework/geometry.h"

struct TMenuPlacement {
  TPoint Anchor;
  bool RightEdgeAtAnchor = false;   // else its left edge
  bool BottomEdgeAtAnchor = false;  // else its top edge
  constexpr bool operator==(const TMenuPlacement&) const = default;
};

TMenuPlacement MenuPlacementAt(TPoint pointer, const TRect& workArea);
