#include "framework/custom_edit.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetBounds(0, 0, 121, 25);
}

std::wstring TCustomEdit::Text() const {
  if (!HandleAllocated()) return FText;
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(Handle())) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
  return text;
}

void TCustomEdit::SetText(const std::wstring& text) {
  if (text == Text()) return;
  if (!HandleAllocated()) {
    FText = text;
    FModified = false;
    return;
  }
  ::SetWindowTextW(Handle(), text.c_str());
  ::SendMessageW(Handle(), EM_SETMODIFY, FALSE, 0);
}

bool TCustomEdit::Modified() const {
  return HandleAllocated() ? ::SendMessageW(Handle(), EM_GETMODIFY, 0, 0) != 0 : FModified;
}

void TCustomEdit::SetModified(bool modified) {
  if (HandleAllocated())
    ::SendMessageW(Handle(), EM_SETMODIFY, modified, 0);
  else
    FModified = modified;
}

int TCustomEdit::SelStart() const {
  DWORD start = 0;
  if (HandleAllocated()) ::SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int TCustomEdit::SelLength() const {
  DWORD start = 0;
  DWORD end = 0;
  if (HandleAllocated())
    ::SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelection(int start, int length) {
  if (HandleAllocated()) ::SendMessageW(Handle(), EM_SETSEL, start, start + length);
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) ::SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::ReplaceSelection(const std::wstring& text) {
  if (HandleAllocated()) ::SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  FReadOnly = readOnly;
  if (HandleAllocated()) ::SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TCustomEdit::SetCtl3D(bool ctl3D) {
  if (ctl3D == FCtl3D) return;
  FCtl3D = ctl3D;
  RecreateWnd();
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  params.ClassName = L"EDIT";
  params.Caption = FText;
  params.Style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (FReadOnly) params.Style |= ES_READONLY;
  if (FCtl3D)
    params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    params.Style |= WS_BORDER;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  ::SendMessageW(Handle(), EM_SETMODIFY, FModified, 0);
}

void TCustomEdit::DestroyWnd() {
  if (HandleAllocated()) {
    FText = Text();
    FModified = Modified();
  }
  TWinControl::DestroyWnd();
}

bool TCustomEdit::ReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
    Change();
    result = 0;
    return true;
  }
  return TWinControl::ReflectedMessage(message, wParam, lParam, result);
}

void TCustomEdit::DoEnter() {
  // A click places the caret itself.
  if (!LeftButtonDown()) SelectOnEnter();
  TWinControl::DoEnter();
}

void TCustomEdit::SelectOnEnter() {
  if (FAutoSelect) SelectAll();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}
