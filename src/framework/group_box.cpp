#include "framework/group_box.h"

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
  return TCaptionControl::WndProc(message, wParam, lParam);
}
