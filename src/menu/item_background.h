#pragma once
// What goes behind an item, by style and state: fills with the surface's brush colour and
// copies from the tiled background caches, in order.
#include <optional>
#include <vector>

#include "framework/color.h"
#include "framework/geometry.h"
#include "menu/item_layout.h"

// The styler's two painting families. Any other value paints no item background.
enum TMenuStyle : int { msOffice = 0, msWindows = 1 };

enum class TBackgroundStepKind { SetBrushColor, Fill, CopyActiveCache, CopyInactiveCache };

struct TBackgroundStep {
  TBackgroundStepKind Kind;
  TRect Rect;          // for fills and copies
  TColor Color = 0;    // for SetBrushColor
  bool operator==(const TBackgroundStep&) const = default;
};

struct TItemBackgroundCase {
  TMenuStyle Style = msOffice;
  bool Selected = false;
  bool Enabled = true;
  bool Checked = false;
  bool ImageAssigned = false;
  bool HasActiveBitmap = false;
  bool HasInactiveBitmap = false;
  TColor ActiveColor = 0;
  TColor InActiveColor = 0;
};

// The selected or normal background on `rect`: the state's bitmap cache when it has a
// bitmap, else the current brush.
std::vector<TBackgroundStep> PlanStateBackground(bool active, bool hasBitmap, const TRect& rect);
// The background of an item that is not a separator.
std::vector<TBackgroundStep> PlanItemBackground(const TItemBackgroundCase& item, const TItemRects& rects);

// The colour `steps` leave under the whole of `area` when that is one plain fill, starting with
// the brush colour `brush`; none when a bitmap copy or nothing (or only part of a fill) is there.
std::optional<TColor> SolidColorUnder(const std::vector<TBackgroundStep>& steps, TColor brush, const TRect& area);
