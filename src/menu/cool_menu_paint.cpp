// Painting an item: the draw request, the background by style and state, the banner slice,
// then the painters of cool_menu_painters.cpp.
#include "framework/application.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "menu/clipped_copy.h"
#include "menu/cool_menu.h"
#include "menu/item_background.h"

void TCoolMenu::DrawItemMessage(const DRAWITEMSTRUCT& request) {
  const TRect itemRect = FromWinRect(request.rcItem);
  const int itemID = static_cast<int>(request.itemID);
  const unsigned state = request.itemState & 0xFF;
  // Every request starts from a clean drawing state and leaves nothing selected behind, even
  // when a painter fails half-way.
  TCanvas canvas;
  canvas.Bind(request.hDC);
  const int saved = canvas.SaveState();
  try {
    // Nothing spills into neighbouring items or columns, whatever the painters reach for.
    ::IntersectClipRect(request.hDC, itemRect.Left, itemRect.Top, itemRect.Right, itemRect.Bottom);
    if (itemID >= 0) {
      const bool selected = state & odsSelected;
      canvas.Brush().SetColor(selected ? FActiveColor : FInActiveColor);
      if (FDefaultFont) {
        LoadSystemMenuFont(canvas.Font());
        if (selected) canvas.Font().SetColor(clHighlightText);
      } else {
        canvas.Font().Assign(selected ? FActiveFont : FInActiveFont);
      }
      DrawItem(canvas, reinterpret_cast<HMENU>(request.hwndItem), itemID, state, itemRect);
    } else {
      canvas.FillRect(itemRect);
    }
    if (state & odsFocus) canvas.FocusRect(itemRect);
  } catch (...) {
    Application().HandleException();
  }
  canvas.RestoreState(saved);
}

void TCoolMenu::DrawItem(TCanvas& canvas, HMENU menuHandle, int itemID, unsigned state, const TRect& rect) {
  TItemRects rects = ComputeItemRects(rect, FItemHeight, FBanner->BannerWidth(), false);
  TMenuItem* item = FindItem(static_cast<UINT>(itemID));
  if (!item) {
    FSysMenu->DrawSysItem(menuHandle, canvas, state, rects.Item, static_cast<UINT>(itemID));
    return;
  }
  if (OnDrawItem) {
    OnDrawItem(FMenu, item, rect, state);
    return;
  }
  if (IsBannerItem(*item)) rects = ComputeItemRects(rect, FItemHeight, FBanner->BannerWidth(), true);
  if (item->IsLine()) {
    PaintStateBackground(canvas, false, rects.Item);
    PaintBannerSlice(canvas, *item, rect, rects);
    DrawSeparator(canvas, rects.Item);
    return;
  }
  PaintBackground(canvas, *item, state, rects);
  PaintBannerSlice(canvas, *item, rect, rects);
  DrawImageFrame(*item, canvas, state, rects.Item);
  DrawCheckOrImage(*item, canvas, state, rects.Item);
  DrawItemText(*item, canvas, state, rects.Item);
}

void TCoolMenu::PaintBackground(TCanvas& canvas, TMenuItem& item, unsigned state, const TItemRects& rects) {
  TItemBackgroundCase background;
  background.Style = FMenuStyle;
  background.Selected = state & odsSelected;
  background.Enabled = item.Enabled();
  background.Checked = item.Checked();
  background.ImageAssigned = ItemImageIndex(item) != -1;
  background.HasActiveBitmap = FActiveBitmap.Height() > 0;
  background.HasInactiveBitmap = FInActiveBitmap.Height() > 0;
  background.ActiveColor = FActiveColor;
  background.InActiveColor = FInActiveColor;
  RunBackground(canvas, PlanItemBackground(background, rects));
}

void TCoolMenu::PaintStateBackground(TCanvas& canvas, bool active, const TRect& rect) {
  RunBackground(canvas, PlanStateBackground(active, (active ? FActiveBitmap : FInActiveBitmap).Height() > 0, rect));
}

void TCoolMenu::RunBackground(TCanvas& canvas, const std::vector<TBackgroundStep>& steps) {
  for (const TBackgroundStep& step : steps) {
    switch (step.Kind) {
      case TBackgroundStepKind::SetBrushColor: canvas.Brush().SetColor(step.Color); break;
      case TBackgroundStepKind::Fill: canvas.FillRect(step.Rect); break;
      case TBackgroundStepKind::CopyActiveCache: FActiveCache.Paint(canvas, step.Rect, FActiveColor); break;
      case TBackgroundStepKind::CopyInactiveCache: FInActiveCache.Paint(canvas, step.Rect, FInActiveColor); break;
    }
  }
}

int TCoolMenu::BannerTop(const TMenuItem& item, const TRect& itemRect) const {
  // The platform may start its items below a border of its own; the strip starts with them.
  HMENU handle = FMenu->Handle();
  RECT first{}, own{};
  if (!::GetMenuItemRect(nullptr, handle, 0, &first) ||
      !::GetMenuItemRect(nullptr, handle, static_cast<UINT>(FMenu->Items().PlatformPosition(item)), &own))
    return 0;  // not on the screen: the picture starts at the top of the context
  return itemRect.Top + first.top - own.top;
}

void TCoolMenu::PaintBannerSlice(TCanvas& canvas, const TMenuItem& item, const TRect& itemRect,
                                 const TItemRects& rects) {
  if (rects.BannerStrip.IsEmpty()) return;
  // Beside a later column there is no banner picture: show the plain menu background there.
  CopyClipped(canvas, FBanner->BannerImage(), {0, BannerTop(item, itemRect)}, rects.BannerStrip, FInActiveColor);
}
