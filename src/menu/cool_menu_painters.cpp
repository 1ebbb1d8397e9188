// The painters of one item, each given the painted item rectangle: the frame round the image
// column, the check mark or image, the texts, separators and the embossed disabled image.
#include "framework/menu_item.h"
#include "menu/cool_menu.h"
#include "menu/embossed_image.h"
#include "menu/item_text.h"
#include "menu/shared_glyphs.h"

void TCoolMenu::DrawImageFrame(TMenuItem& item, TCanvas& canvas, unsigned state, const TRect& rect) {
  const bool raised = FMenuStyle == msOffice && (state & odsSelected) && item.Enabled() && !item.Checked() &&
                      ItemImageIndex(item) != -1;
  if (!raised) return;
  const TRect column = ImageColumnOf(rect, FItemHeight, IsBannerItem(item));
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

void TCoolMenu::DrawCheckGlyph(TCanvas& canvas, const TRect& rect, bool enabled) {
  TBitmap& glyph = enabled ? menu_glyphs::CheckGlyph() : menu_glyphs::CheckMonoGlyph();
  canvas.StretchTransparent(rect, glyph, menu_glyphs::CheckTransparentColor);
}

void TCoolMenu::DrawCheckOrImage(TMenuItem& item, TCanvas& canvas, unsigned state, const TRect& rect) {
  const TRect column = ImageColumnOf(rect, FItemHeight, IsBannerItem(item));
  const TRect image = CenteredImage(column, FItemHeight, FImageSize);
  const int index = ItemImageIndex(item);
  const bool enabled = item.Enabled();
  if (!item.Checked()) {
    if (!FImages) return;
    if (!enabled) {
      DrawGrayImage(item, canvas, state, image);
    } else if (index != -1) {
      DrawItemImage(canvas, image.Left, image.Top, index);
    }
    return;
  }
  if (FMenuStyle == msWindows) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawCheckGlyph(canvas, image, enabled);
    return;
  }
  if (FMenuStyle != msOffice) return;
  if (state & odsSelected) {
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
  const bool banner = IsBannerItem(item), selected = state & odsSelected;
  const TRect caption = CaptionRect(rect, FItemHeight, banner);
  const TItemTexts texts{L" " + item.Caption(), caption, item.ShortCutText(),
                         ShortcutRect(caption, FBanner->BannerWidth(), banner)};
  const TColor color = selected ? FActiveFont.Color() : FInActiveFont.Color();
  DrawItemTexts(canvas, texts, item.Enabled(), !selected || FMenuStyle == msOffice, color);
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
