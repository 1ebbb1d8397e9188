#include "framework/check_box.h"

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

bool TCheckBox::Checked() const {
  return HandleAllocated() ? ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED : FChecked;
}

void TCheckBox::SetChecked(bool checked) {
  FChecked = checked;
  if (HandleAllocated()) ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::CreateParams(TCreateParams& params) {
  params.ClassName = L"BUTTON";
  params.Caption = Caption();
  params.Style |= WS_TABSTOP | BS_AUTOCHECKBOX;
}

void TCheckBox::CreateWnd() {
  TButtonControl::CreateWnd();
  SetChecked(FChecked);
}

void TCheckBox::DestroyWnd() {
  if (HandleAllocated()) FChecked = Checked();
  TButtonControl::DestroyWnd();
}
