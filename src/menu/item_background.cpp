#include "menu/item_background.h"

namespace {

using enum TBackgroundStepKind;

std::vector<TBackgroundStep> PlanOffice(const TItemBackgroundCase& item, const TItemRects& rects) {
  if (!item.Selected) return PlanStateBackground(false, item.HasInactiveBitmap, rects.Item);
  if (!item.Enabled) {
    if (item.HasInactiveBitmap) return PlanStateBackground(false, true, rects.Item);
    return {{SetBrushColor, {}, item.InActiveColor}, {Fill, rects.Item}};
  }
  if (item.ImageAssigned) {
    // The image column keeps the normal look; the image gets a frame instead.
    if (item.HasActiveBitmap) return {{CopyActiveCache, rects.TextArea}, {CopyActiveCache, rects.ImageColumn}};
    return {{Fill, rects.TextArea}};
  }
  if (item.HasActiveBitmap) return PlanStateBackground(true, true, rects.Item);
  return {{Fill, item.Checked ? rects.TextArea : rects.Item}};
}

std::vector<TBackgroundStep> PlanWindows(const TItemBackgroundCase& item, const TItemRects& rects) {
  if (item.Selected) return PlanStateBackground(true, item.HasActiveBitmap, rects.Item);
  return PlanStateBackground(false, item.HasInactiveBitmap, rects.Item);
}

bool Covers(const TRect& outer, const TRect& inner) {
  return outer.Left <= inner.Left && outer.Top <= inner.Top && outer.Right >= inner.Right && outer.Bottom >= inner.Bottom;
}

bool Overlaps(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

}  // namespace

std::vector<TBackgroundStep> PlanStateBackground(bool active, bool hasBitmap, const TRect& rect) {
  if (!hasBitmap) return {{Fill, rect}};
  return {{active ? CopyActiveCache : CopyInactiveCache, rect}};
}

std::vector<TBackgroundStep> PlanItemBackground(const TItemBackgroundCase& item, const TItemRects& rects) {
  switch (item.Style) {
    case msOffice: return PlanOffice(item, rects);
    case msWindows: return PlanWindows(item, rects);
  }
  return {};
}

std::optional<TColor> SolidColorUnder(const std::vector<TBackgroundStep>& steps, TColor brush, const TRect& area) {
  std::optional<TColor> under;
  for (const TBackgroundStep& step : steps) {
    if (step.Kind == SetBrushColor) {
      brush = step.Color;
    } else if (step.Kind == Fill && Covers(step.Rect, area)) {
      under = brush;
    } else if (Overlaps(step.Rect, area)) {
      under.reset();
    }
  }
  return under;
}
