#include "menu/item_text.h"

namespace {

void DrawBoth(TCanvas& canvas, const TItemTexts& texts, int offset) {
  TRect caption = texts.CaptionRect.Offset(offset, offset);
  canvas.TextInRect(caption, texts.Caption, CaptionFormat);
  if (texts.Shortcut.empty()) return;
  TRect shortcut = texts.ShortcutRect.Offset(offset, offset);
  canvas.TextInRect(shortcut, texts.Shortcut, ShortcutFormat);
}

}  // namespace

int MenuTextExtent(TCanvas& canvas, std::wstring_view text) {
  TRect r{0, 0, 0, 0};
  canvas.TextInRect(r, text, MeasureFormat);
  return r.Width();
}

void DrawItemTexts(TCanvas& canvas, const TItemTexts& texts, bool enabled, bool highlightPass, TColor color) {
  if (enabled) {
    canvas.Font().SetColor(color);
    DrawBoth(canvas, texts, 0);
    return;
  }
  if (highlightPass) {
    canvas.Font().SetColor(clBtnHighlight);
    DrawBoth(canvas, texts, 1);
  }
  canvas.Font().SetColor(clGrayText);
  DrawBoth(canvas, texts, 0);
}
