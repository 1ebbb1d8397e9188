#include "support/test_pictures.h"

#include <vector>

COLORREF PixelAt(TBitmap& bitmap, int x, int y) { return ::GetPixel(bitmap.Canvas().Handle(), x, y); }

TIconHandle SquareIcon(int size, COLORREF fill, int inset) {
  TBitmap color, mask;
  color.SetSize(size, size);
  mask.SetSize(size, size);
  const TRect square{inset, inset, size - inset, size - inset};
  color.Canvas().Brush().SetColor(RgbColor(0, 0, 0));
  color.Canvas().FillRect({0, 0, size, size});
  color.Canvas().Brush().SetColor(fill);
  color.Canvas().FillRect(square);
  // Set mask bits are transparent: the dark surround becomes them, the white square does not.
  mask.Canvas().Brush().SetColor(clBlack);
  mask.Canvas().FillRect({0, 0, size, size});
  mask.Canvas().Brush().SetColor(clWhite);
  mask.Canvas().FillRect(square);
  mask.ReduceToMonochrome();
  color.FreeCanvas();
  mask.FreeCanvas();
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = color.Handle();
  info.hbmMask = mask.Handle();
  return TIconHandle(::CreateIconIndirect(&info));
}
