// Painting an item: the draw request, the background by style and state, the banner slice,
// then the painters of one item, each given the painted item rectangle: the frame round the
// image column, the check mark or image, the texts, separators and the embossed disabled image.
#include "framework/application.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_colors.h"
#include "menu/cool_menu.h"
#include "menu/item_background.h"
#include "menu/item_drawing.h"
#include "menu/menu_theme.h"
#include "menu/shared_glyphs.h"
#include "menu/tile_cache.h"

void TCoolMenu::DrawItemMessage(const DRAWITEMSTRUCT& request) {
  // A menu of many columns reaches far past the screen's edge, and the platform asks for every
  // item: only those that can be seen are worth painting.
  if (!::RectVisible(request.hDC, &request.rcItem)) return;
  const TRect itemRect = FromWinRect(request.rcItem);
  const int itemID = static_cast<int>(request.itemID);
  const unsigned state = request.itemState & 0xFF;
  FHidesPrefixes = request.itemState & ODS_NOACCEL;
  PaintBuffered(request.hDC, itemRect, state, itemID >= 0, [&](TCanvas& canvas) {
    if (itemID >= 0) {
      DrawItem(canvas, reinterpret_cast<HMENU>(request.hwndItem), itemID, state, itemRect);
    } else {
      canvas.FillRect(itemRect);
    }
  });
}

void TCoolMenu::PaintRow(HDC dc, TMenuItem& item, unsigned state, const TRect& rect, const std::wstring& rightText,
                         std::optional<int> bannerTop) {
  FHidesPrefixes = true;
  PaintBuffered(dc, rect, state, true,
                [&](TCanvas& canvas) { PaintItem(canvas, item, state, rect, rightText, bannerTop); });
}

void TCoolMenu::PaintBuffered(HDC dc, const TRect& rect, unsigned state, bool item,
                              const std::function<void(TCanvas&)>& paint) {
  FImageBackdrop.reset();
  // The target is only copied from and to: nothing is selected into it, so nothing is left
  // behind in it, even when a painter fails half-way.
  TCanvas& canvas = FItemBuffer.Begin(dc, rect);
  try {
    canvas.SetColorScheme(MenuColorScheme());
    if (item) {
      const bool selected = state & ODS_SELECTED;
      canvas.Brush().SetColor(selected ? FActiveColor : FInActiveColor);
      if (FDefaultFont) {
        LoadSystemMenuFont(canvas.Font());
        if (selected) canvas.Font().SetColor(clHighlightText);
      } else {
        canvas.Font().Assign(selected ? FActiveFont : FInActiveFont);
      }
    }
    paint(canvas);
    if (state & ODS_FOCUS) canvas.FocusRect(rect);
  } catch (...) {
    Application().HandleException();
  }
  FItemBuffer.Flush();
}

void TCoolMenu::DrawItem(TCanvas& canvas, HMENU menuHandle, int itemID, unsigned state, const TRect& rect) {
  TMenuItem* item = FindItem(static_cast<UINT>(itemID));
  if (!item) {
    FSysMenu->DrawSysItem(menuHandle, canvas, state, ComputeItemRects(rect, Metrics(), false).Item,
                          static_cast<UINT>(itemID));
    return;
  }
  if (OnDrawItem) {
    OnDrawItem(FMenu, item, rect, state);
    return;
  }
  const std::optional<int> bannerTop = IsBannerItem(*item) ? std::optional(BannerTop(*item, rect)) : std::nullopt;
  PaintItem(canvas, *item, state, rect, item->ShortCutText(), bannerTop);
}

void TCoolMenu::PaintItem(TCanvas& canvas, TMenuItem& item, unsigned state, const TRect& rect,
                          const std::wstring& rightText, std::optional<int> bannerTop) {
  FBannerRow = bannerTop.has_value();
  FRightText = rightText;
  const TItemRects rects = ComputeItemRects(rect, Metrics(), FBannerRow);
  if (item.IsLine()) {
    PaintStateBackground(canvas, false, rects.Item);
    PaintBannerSlice(canvas, rects, bannerTop.value_or(0));
    DrawSeparator(canvas, rects.Item);
    return;
  }
  PaintBackground(canvas, item, state, rects);
  PaintBannerSlice(canvas, rects, bannerTop.value_or(0));
  DrawImageFrame(item, canvas, state, rects.Item);
  DrawCheckOrImage(item, canvas, state, rects.Item);
  DrawItemText(item, canvas, state, rects.Item);
}

void TCoolMenu::PaintBackground(TCanvas& canvas, TMenuItem& item, unsigned state, const TItemRects& rects) {
  TItemBackgroundCase background;
  background.Style = FMenuStyle;
  background.Selected = state & ODS_SELECTED;
  background.Enabled = item.Enabled();
  background.Checked = item.Checked();
  background.ImageAssigned = ItemImageIndex(item) != -1;
  background.HasActiveBitmap = FActiveBitmap.Height() > 0;
  background.HasInactiveBitmap = FInActiveBitmap.Height() > 0;
  background.ActiveColor = FActiveColor;
  background.InActiveColor = FInActiveColor;
  const std::vector<TBackgroundStep> steps = PlanItemBackground(background, rects);
  FImageBackdrop = SolidColorUnder(steps, canvas.Brush().Color(), CenteredImage(rects.ImageColumn, rects.ImageColumn.Width(), FImageSize));
  RunBackground(canvas, steps);
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

void TCoolMenu::PaintBannerSlice(TCanvas& canvas, const TItemRects& rects, int bannerTop) {
  if (rects.BannerStrip.IsEmpty()) return;
  // Beside a later column there is no banner picture: show the plain menu background there.
  CopyClipped(canvas, FBanner->BannerImage(), {0, bannerTop}, rects.BannerStrip, FInActiveColor);
}

void TCoolMenu::DrawImageFrame(TMenuItem& item, TCanvas& canvas, unsigned state, const TRect& rect) {
  const bool raised = FMenuStyle == msOffice && (state & ODS_SELECTED) && item.Enabled() && !item.Checked() &&
                      ItemImageIndex(item) != -1;
  if (!raised) return;
  const TRect column = ImageColumnOf(rect, Metrics(), FBannerRow);
  canvas.Edge(column, BDR_RAISEDINNER, BF_TOPLEFT);
  canvas.Edge(column, BDR_RAISEDINNER, BF_SOFT | BF_BOTTOMRIGHT);
}

void TCoolMenu::DrawSunkenFrame(TCanvas& canvas, const TRect& rect) {
  canvas.Edge(rect, BDR_SUNKENINNER, BF_SOFT | BF_TOPLEFT);
  canvas.Edge(rect, BDR_SUNKENOUTER, BF_BOTTOMRIGHT);
}

void TCoolMenu::DrawItemImage(TCanvas& canvas, int x, int y, int index) {
  if (FLargeImage) {
    canvas.DrawIconAt(x, y, FImages->GetIcon(index).Get());
  } else {
    FImages->Draw(canvas, x, y, index);
  }
}

void TCoolMenu::DrawImageOverBackground(TCanvas& canvas, const TRect& image, int index) {
  if (!FImageBackdrop) {
    DrawItemImage(canvas, image.Left, image.Top, index);
    return;
  }
  FComposedImages.Draw(canvas, {image.Left, image.Top}, index, FImageSize, ColorToRGB(*FImageBackdrop),
                       [&](TCanvas& work, int x, int y) { DrawItemImage(work, x, y, index); });
}

void TCoolMenu::DrawCheckGlyph(TCanvas& canvas, const TRect& rect, bool enabled) {
  TBitmap& glyph = enabled ? menu_glyphs::CheckGlyph() : menu_glyphs::CheckMonoGlyph();
  canvas.StretchTransparent(rect, glyph, menu_glyphs::CheckTransparentColor);
}

void TCoolMenu::DrawCheckOrImage(TMenuItem& item, TCanvas& canvas, unsigned state, const TRect& rect) {
  const TRect column = ImageColumnOf(rect, Metrics(), FBannerRow);
  const TRect image = CenteredImage(column, column.Width(), FImageSize);
  const int index = ItemImageIndex(item);
  const bool enabled = item.Enabled();
  if (!item.Checked()) {
    if (!FImages) return;
    if (!enabled) {
      DrawGrayImage(item, canvas, state, image);
    } else if (index != -1) {
      DrawImageOverBackground(canvas, image, index);
    }
    return;
  }
  if (FMenuStyle == msWindows) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawCheckGlyph(canvas, image, enabled);
    return;
  }
  if (FMenuStyle != msOffice) return;
  if (state & ODS_SELECTED) {
    canvas.FillRectWith(column, FInActiveColor);
  } else {
    canvas.FillRectWith(column, menu_glyphs::CheckerBrush());
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (index == -1) {
    DrawCheckGlyph(canvas, image, enabled);
  } else if (enabled) {
    DrawItemImage(canvas, image.Left, image.Top, index);
  } else {
    DrawGrayImage(item, canvas, state, image);
  }
  DrawSunkenFrame(canvas, column);
}

void TCoolMenu::DrawItemText(TMenuItem& item, TCanvas& canvas, unsigned state, const TRect& rect) {
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (item.Default()) canvas.Font().SetStyle(canvas.Font().Style().Include(TFontStyle::fsBold));
  const bool selected = state & ODS_SELECTED;
  const TItemMetrics metrics = Metrics();
  const TRect caption = CaptionRect(rect, metrics, FBannerRow);
  const TItemTexts texts{L" " + item.Caption(), caption, FRightText, ShortcutRect(caption, metrics),
                         FHidesPrefixes};
  const TColor color = selected ? FActiveFont.Color() : FInActiveFont.Color();
  DrawItemTexts(canvas, FTextLayouts, texts, item.Enabled(), !selected || FMenuStyle == msOffice, color);
}

void TCoolMenu::DrawSeparator(TCanvas& canvas, const TRect& rect) {
  const int middle = SeparatorMiddle(rect);
  canvas.Pen().SetColor(clGrayText);
  canvas.MoveTo(rect.Left + 1, middle);
  canvas.LineTo(rect.Right - 1, middle);
  canvas.Pen().SetColor(clBtnHighlight);
  canvas.MoveTo(rect.Left + 1, middle + 1);
  canvas.LineTo(rect.Right - 1, middle + 1);
}

void TCoolMenu::DrawGrayImage(TMenuItem& item, TCanvas& canvas, unsigned, const TRect& rect) {
  const int index = ItemImageIndex(item);
  if (index == -1) return;
  DrawEmbossed(canvas, {rect.Left, rect.Top}, FImageSize,
               [&](TCanvas& work) { DrawItemImage(work, 0, 0, index); });
}
