#include "menu/item_buffer.h"

#include <algorithm>

TCanvas& TItemBuffer::Begin(HDC target, const TRect& rect) {
  if (rect.Width() > FPicture.Width() || rect.Height() > FPicture.Height())
    FPicture.SetSize(std::max(rect.Width(), FPicture.Width()), std::max(rect.Height(), FPicture.Height()));
  TCanvas& canvas = FPicture.Canvas();
  HDC own = canvas.Handle();
  FTarget = target;
  FRect = rect;
  // The item's top-left corner is the picture's; patterns keep the phase they have on the menu.
  POINT targetBrushOrigin{};
  ::GetBrushOrgEx(target, &targetBrushOrigin);
  ::SetWindowOrgEx(own, rect.Left, rect.Top, nullptr);
  ::SetBrushOrgEx(own, targetBrushOrigin.x - rect.Left, targetBrushOrigin.y - rect.Top, nullptr);
  ::BitBlt(own, rect.Left, rect.Top, rect.Width(), rect.Height(), target, rect.Left, rect.Top, SRCCOPY);
  return canvas;
}

void TItemBuffer::Flush() {
  if (!FTarget) return;
  ::BitBlt(FTarget, FRect.Left, FRect.Top, FRect.Width(), FRect.Height(), FPicture.Canvas().Handle(), FRect.Left,
           FRect.Top, SRCCOPY);
  FTarget = nullptr;
}
