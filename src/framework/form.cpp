#include "framework/form.h"

#include <vector>

#include "framework/application.h"
#include "framework/button.h"
#include "framework/exception.h"
#include "texts/texts.h"

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

// The application's other visible windows, disabled while a modal form is up.
class TDisabledWindows {
public:
  explicit TDisabledWindows(HWND keep) : FKeep(keep) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(this));
  }
  ~TDisabledWindows() {
    for (HWND window : FWindows) ::EnableWindow(window, TRUE);
  }
  TDisabledWindows(const TDisabledWindows&) = delete;
  TDisabledWindows& operator=(const TDisabledWindows&) = delete;

private:
  static BOOL CALLBACK DisableOne(HWND window, LPARAM self) {
    auto& disabled = *reinterpret_cast<TDisabledWindows*>(self);
    if (window != disabled.FKeep && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
      ::EnableWindow(window, FALSE);
      disabled.FWindows.push_back(window);
    }
    return TRUE;
  }

  HWND FKeep;
  std::vector<HWND> FWindows;
};

// Hands the keys of a dialog to the system's dialog manager while it lives.
class TDialogKeys final : public TMessageFilter {
public:
  explicit TDialogKeys(HWND dialog) : FDialog(dialog) { Application().AddMessageFilter(*this); }
  ~TDialogKeys() override { Application().RemoveMessageFilter(*this); }
  TDialogKeys(const TDialogKeys&) = delete;
  TDialogKeys& operator=(const TDialogKeys&) = delete;

  bool PreTranslateMessage(MSG& msg) override {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    if (msg.hwnd != FDialog && !::IsChild(FDialog, msg.hwnd)) return false;
    return ::IsDialogMessageW(FDialog, &msg) != FALSE;
  }

private:
  HWND FDialog;
};

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

void TForm::RunHandler(const TNotifyEvent& handler) {
  if (!handler) return;
  try {
    handler(this);
  } catch (...) {
    Application().HandleException();
  }
}

void TForm::DoCreate() {
  RunHandler(OnCreate);
  if (FVisible) Show();
}

void TForm::Destroying() {
  std::erase(LiveForms(), this);
  if (!FDestroyHandled) {
    FDestroyHandled = true;
    RunHandler(OnDestroy);
    DestroyHandle();
  }
  TComponent::Destroying();
}

void TForm::RemovalNotice(TComponent& component) {
  if (&component == FDefaultButton) FDefaultButton = nullptr;
  TComponent::RemovalNotice(component);
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

int TForm::ClientWidth() const {
  RECT r{};
  ::GetClientRect(Handle(), &r);
  return r.right;
}

int TForm::ClientHeight() const {
  RECT r{};
  ::GetClientRect(Handle(), &r);
  return r.bottom;
}

void TForm::SetClientSize(int width, int height) {
  RECT r{0, 0, width, height};
  ::AdjustWindowRectEx(&r, static_cast<DWORD>(::GetWindowLongW(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongW(Handle(), GWL_EXSTYLE)));
  SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TForm::ShowWindowAs(int command) {
  RunHandler(OnShow);
  FVisible = true;
  ::ShowWindow(Handle(), command);
}

void TForm::Show() { ShowWindowAs(SW_SHOWNOACTIVATE); }

TModalResult TForm::ShowModal() {
  if (FModal) throw Exception(Text(TText::ModalTwice));
  FModal = true;
  FModalResult = mrNone;
  {
    const TDisabledWindows others(Handle());
    const TDialogKeys keys(Handle());
    ShowWindowAs(SW_SHOW);
    ::SetForegroundWindow(Handle());
    if (HWND first = ::GetNextDlgTabItem(Handle(), nullptr, FALSE)) ::SetFocus(first);
    while (FModalResult == mrNone && !Application().Terminated()) Application().HandleMessage();
    if (FModalResult == mrNone) FModalResult = mrCancel;
  }  // the other windows come back before this one goes, so one of them takes the activation
  Hide();
  FModal = false;
  return FModalResult;
}

void TForm::SetDefaultButton(TButton* button) {
  if (FDefaultButton) {
    FDefaultButton->SetDefault(false);
    CancelRemovalNotice(*FDefaultButton);
  }
  FDefaultButton = button;
  if (!button) return;
  button->SetDefault(true);
  RequestRemovalNotice(*button);
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
      RunHandler(OnClose);
      if (FModal)
        FModalResult = mrCancel;
      else if (Application().MainForm() == this)
        Application().Terminate();
      else
        Hide();
      return 0;
    case DM_GETDEFID:
      // The dialog manager asks which button Enter presses.
      if (FDefaultButton && FDefaultButton->HandleAllocated())
        return MAKELRESULT(::GetDlgCtrlID(FDefaultButton->Handle()), DC_HASDEFID);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE && OnDeactivate) OnDeactivate(this);
      break;
    default:
      break;
  }
  return TWindow::WndProc(message, wParam, lParam);
}
