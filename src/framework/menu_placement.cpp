#include "framework/menu_placement.h"

namespace {

struct TAxisPlacement {
  int Anchor;
  bool FarEdge;
};

// One axis of the work area, from `start` to `end` (excluded). Past its end the menu's far edge
// stands on that end, which a rectangle excludes just as the work area does: the menu ends where
// the work area ends.
TAxisPlacement PlaceOnAxis(int pointer, int start, int end) {
  if (pointer >= end) return {end, true};
  if (pointer < start) return {start, false};
  return {pointer, false};
}

}  // namespace

TMenuPlacement MenuPlacementAt(TPoint pointer, const TRect& workArea) {
  const TAxisPlacement across = PlaceOnAxis(pointer.X, workArea.Left, workArea.Right);
  const TAxisPlacement down = PlaceOnAxis(pointer.Y, workArea.Top, workArea.Bottom);
  return {{across.Anchor, down.Anchor}, across.FarEdge, down.FarEdge};
}
