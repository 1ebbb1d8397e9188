#include "framework/group_box.h"

#include "framework/brush.h"

TGroupBox::TGroupBox(TComponent* owner) : TCaptionControl(owner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(TCreateParams& params) {
  params.ClassName = L"BUTTON";
  params.Caption = Caption();
  params.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

LRESULT TGroupBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The system's group box lets the mouse fall through to what lies beneath; this one holds
  // its controls, so it takes the mouse itself.
  if (message == WM_NCHITTEST) return HTCLIENT;
  // The system's group box paints its frame and caption only; the inside is the box's colour.
  if (message == WM_ERASEBKGND) {
    TBrush brush;
    brush.SetColor(Color());
    RECT inside{};
    ::GetClientRect(Handle(), &inside);
    ::FillRect(reinterpret_cast<HDC>(wParam), &inside, brush.Handle());
    return 1;
  }
  return TCaptionControl::WndProc(message, wParam, lParam);
}
