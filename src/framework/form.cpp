#include "framework/form.h"

#include <vector>

#include "framework/application.h"

namespace {

std::vector<TForm*>& LiveForms() {
  static std::vector<TForm*> forms;
  return forms;
}

DWORD StyleFor(TFormBorderStyle border) {
  switch (border) {
    case TFormBorderStyle::bsNone: return WS_POPUP;
    case TFormBorderStyle::bsDialog: return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    case TFormBorderStyle::bsSingle: break;
  }
  return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}

}  // namespace

TForm::TForm(TComponent* owner, const TFormDesign& design) : TComponent(owner), FVisible(design.Visible) {
  TWindowParams params;
  params.ClassName = design.ClassName;
  params.Caption = design.Caption;
  params.Style = StyleFor(design.BorderStyle) | WS_CLIPCHILDREN;
  params.ExStyle = design.BorderStyle == TFormBorderStyle::bsDialog ? WS_EX_DLGMODALFRAME : 0;
  params.Bounds = RECT{design.Left, design.Top, design.Left + design.Width, design.Top + design.Height};
  params.Parent = Application().Handle();
  CreateHandle(params);
  LiveForms().push_back(this);
}

TForm::~TForm() { Destroying(); }

TForm* TForm::FromHandle(HWND window) {
  if (!window) return nullptr;
  for (TForm* form : LiveForms()) {
    if (form->Handle() == window) return form;
  }
  return nullptr;
}

void TForm::DoCreate() {
  if (OnCreate) {
    try {
      OnCreate(this);
    } catch (...) {
      Application().HandleException();
    }
  }
  if (FVisible) Show();
}

void TForm::Destroying() {
  std::erase(LiveForms(), this);
  if (!FDestroyHandled) {
    FDestroyHandled = true;
    if (OnDestroy) {
      try {
        OnDestroy(this);
      } catch (...) {
        Application().HandleException();
      }
    }
    DestroyHandle();
  }
  TComponent::Destroying();
}

RECT TForm::WindowRect() const {
  RECT r{};
  ::GetWindowRect(Handle(), &r);
  return r;
}

int TForm::Left() const { return WindowRect().left; }
int TForm::Top() const { return WindowRect().top; }
int TForm::Width() const { const RECT r = WindowRect(); return r.right - r.left; }
int TForm::Height() const { const RECT r = WindowRect(); return r.bottom - r.top; }

void TForm::SetBounds(int left, int top, int width, int height) {
  ::SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
  FVisible = true;
  ::ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

void TForm::Hide() {
  FVisible = false;
  ::ShowWindow(Handle(), SW_HIDE);
}

void TForm::Close() { ::SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void TForm::SetMessageHandler(UINT message, std::function<void(TMessage&)> handler) {
  FMessageHandlers[message] = std::move(handler);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto it = FMessageHandlers.find(message); it != FMessageHandlers.end()) {
    TMessage msg{message, wParam, lParam, 0};
    it->second(msg);
    return msg.Result;
  }
  switch (message) {
    case WM_CLOSE:
      if (Application().MainForm() == this)
        Application().Terminate();
      else
        Hide();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE && OnDeactivate) OnDeactivate(this);
      break;
    default:
      break;
  }
  return TWindow::WndProc(message, wParam, lParam);
}
