#include "menu/embossed_image.h"

#include "framework/bitmap.h"

namespace {

// Paints the brush where the monochrome source is white and leaves the rest alone.
constexpr DWORD ropPaintBrushThroughWhite = 0x00E20746;

}  // namespace

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
