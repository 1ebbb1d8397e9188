#include "menu/item_drawing.h"

#include "framework/bitmap.h"
#include "menu/mnemonic.h"

namespace {

void DrawBoth(TCanvas& canvas, TTextLayouts& layouts, const TItemTexts& texts, int offset) {
  const TRect caption = texts.CaptionRect.Offset(offset, offset);
  // Not DT_HIDEPREFIX: Wine draws the underline all the same.
  if (texts.HidePrefixes) {
    layouts.Draw(canvas, caption, WithoutMnemonicMarkers(texts.Caption), CaptionFormat | DT_NOPREFIX);
  } else {
    layouts.Draw(canvas, caption, texts.Caption, CaptionFormat);
  }
  layouts.Draw(canvas, texts.ShortcutRect.Offset(offset, offset), texts.Shortcut, ShortcutFormat);
}

// Paints the brush where the monochrome source is white and leaves the rest alone.
constexpr DWORD ropPaintBrushThroughWhite = 0x00E20746;

}  // namespace

int MenuTextExtent(TCanvas& canvas, std::wstring_view text) {
  TRect r{0, 0, 0, 0};
  canvas.TextInRect(r, text, MeasureFormat);
  return r.Width();
}

void DrawItemTexts(TCanvas& canvas, TTextLayouts& layouts, const TItemTexts& texts, bool enabled, bool highlightPass,
                   TColor color) {
  if (enabled) {
    canvas.Font().SetColor(color);
    DrawBoth(canvas, layouts, texts, 0);
    return;
  }
  if (highlightPass) {
    canvas.Font().SetColor(clBtnHighlight);
    DrawBoth(canvas, layouts, texts, 1);
  }
  canvas.Font().SetColor(clGrayText);
  DrawBoth(canvas, layouts, texts, 0);
}

void DrawEmbossed(TCanvas& target, TPoint at, int size, const std::function<void(TCanvas&)>& drawImage) {
  TBitmap work;
  work.SetSize(size, size);
  drawImage(work.Canvas());
  work.ReduceToMonochrome();
  target.Brush().SetColor(clBtnHighlight);
  target.RasterCopy(at.X + 1, at.Y + 1, work, ropPaintBrushThroughWhite, RGB(0, 0, 0), RGB(255, 255, 255));
  target.Brush().SetColor(clBtnShadow);
  target.RasterCopy(at.X, at.Y, work, ropPaintBrushThroughWhite, RGB(0, 0, 0), RGB(255, 255, 255));
}
