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
  FCanvas.Bind(request.hDC);
  const int saved = FCanvas.SaveState();
  try {
    // Nothing spills into neighbouring items or columns, whatever the painters reach for.
    ::IntersectClipRect(request.hDC, itemRect.Left, itemRect.Top, itemRect.Right, itemRect.Bottom);
    if (itemID >= 0) {
      const bool selected = state & odsSelected;
      FCanvas.Brush().SetColor(selected ? FActiveColor : FInActiveColor);
      if (FDefaultFont) {
        LoadSystemMenuFont(FCanvas.Font());
        if (selected) FCanvas.Font().SetColor(clHighlightText);
      } else {
        FCanvas.Font().Assign(selected ? FActiveFont : FInActiveFont);
      }
      DrawItem(reinterpret_cast<HMENU>(request.hwndItem), itemID, state, itemRect);
    } else {
      FCanvas.FillRect(itemRect);
    }
    if (state & odsFocus) FCanvas.FocusRect(itemRect);
  } catch (...) {
    Application().HandleException();
  }
  FCanvas.RestoreState(saved);
  FCanvas.Unbind();
}

void TCoolMenu::DrawItem(HMENU menuHandle, int itemID, unsigned state, const TRect& rect) {
  TItemRects rects = ComputeItemRects(rect, FItemHeight, FBanner->BannerWidth(), false);
  TMenuItem* item = FindItem(static_cast<UINT>(itemID));
  if (!item) {
    FSysMenu->DrawSysItem(menuHandle, FCanvas, state, rects.Item, static_cast<UINT>(itemID));
    return;
  }
  if (OnDrawItem) {
    OnDrawItem(FMenu, item, rect, state);
    return;
  }
  if (IsBannerItem(*item)) rects = ComputeItemRects(rect, FItemHeight, FBanner->BannerWidth(), true);
  if (item->IsLine()) {
    PaintStateBackground(false, rects.Item);
    PaintBannerSlice(*item, rect, rects);
    DrawSeparator(FCanvas, rects.Item);
    return;
  }
  PaintBackground(*item, state, rects);
  PaintBannerSlice(*item, rect, rects);
  DrawImageFrame(*item, FCanvas, state, rects.Item);
  DrawCheckOrImage(*item, FCanvas, state, rects.Item);
  DrawItemText(*item, FCanvas, state, rects.Item);
}

void TCoolMenu::PaintBackground(TMenuItem& item, unsigned state, const TItemRects& rects) {
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
  RunBackground(PlanItemBackground(background, rects));
}

void TCoolMenu::PaintStateBackground(bool active, const TRect& rect) {
  RunBackground(PlanStateBackground(active, (active ? FActiveBitmap : FInActiveBitmap).Height() > 0, rect));
}

void TCoolMenu::RunBackground(const std::vector<TBackgroundStep>& steps) {
  for (const TBackgroundStep& step : steps) {
    switch (step.Kind) {
      case TBackgroundStepKind::SetBrushColor: FCanvas.Brush().SetColor(step.Color); break;
      case TBackgroundStepKind::Fill: FCanvas.FillRect(step.Rect); break;
      case TBackgroundStepKind::CopyActiveCache: FActiveCache.Paint(FCanvas, step.Rect, FActiveColor); break;
      case TBackgroundStepKind::CopyInactiveCache: FInActiveCache.Paint(FCanvas, step.Rect, FInActiveColor); break;
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

void TCoolMenu::PaintBannerSlice(const TMenuItem& item, const TRect& itemRect, const TItemRects& rects) {
  if (rects.BannerStrip.IsEmpty()) return;
  // Beside a later column there is no banner picture: show the plain menu background there.
  CopyClipped(FCanvas, FBanner->BannerImage(), {0, BannerTop(item, itemRect)}, rects.BannerStrip, FInActiveColor);
}
