#pragma once
// Forms: top-level windows owned by the application window, with creation, destruction and
// deactivation handlers and a table of handlers for the program's own messages.
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "framework/component.h"
#include "framework/window.h"

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

enum class TFormBorderStyle { bsNone, bsSingle, bsDialog };

// How a form is stored: its window class, caption, border, bounds and visibility.
struct TFormDesign {
  std::wstring ClassName;
  std::wstring Caption;
  TFormBorderStyle BorderStyle = TFormBorderStyle::bsSingle;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = false;
};

using TNotifyEvent = std::function<void(TComponent* sender)>;

// How a modal form was closed.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;
inline constexpr TModalResult mrCancel = IDCANCEL;

class TButton;

class TForm : public TComponent, protected TWindow {
public:
  TForm(TComponent* owner, const TFormDesign& design);
  ~TForm() override;

  using TWindow::Handle;
  // The live form whose window is `window`, or null.
  static TForm* FromHandle(HWND window);

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  // Moves and sizes the window; a property setter in its own right, so subclasses may clamp.
  virtual void SetBounds(int left, int top, int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;
  // Sizes the window so that its client area has this size.
  void SetClientSize(int width, int height);

  bool Visible() const { return FVisible; }
  void Show();
  void Hide();
  // Asks the form to close: the main form's close ends the application, a modal form's close
  // ends its modal loop with mrCancel.
  void Close();

  // Shows the form, activated, with the application's other windows disabled and the dialog
  // keys at work (Tab, Shift+Tab, Enter for the default button, Alt+mnemonic), until
  // ModalResult is set or the form is closed; then hides it and returns the result.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult result) { FModalResult = result; }

  // The button Enter presses wherever the focus is, unless the focused control wants Enter.
  TButton* DefaultButton() const { return FDefaultButton; }
  void SetDefaultButton(TButton* button);

  // Handlers for the program's own messages (WM_USER and above); the handler sets Result.
  void SetMessageHandler(UINT message, std::function<void(TMessage&)> handler);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnDeactivate;
  // Before the form becomes visible.
  TNotifyEvent OnShow;
  // When the form is asked to close (its close box, Alt+F4, Close).
  TNotifyEvent OnClose;

  // Runs the creation handler; called by the application once the form is built.
  void DoCreate();
  void Destroying() override;

protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void RemovalNotice(TComponent& component) override;

private:
  RECT WindowRect() const;
  void RunHandler(const TNotifyEvent& handler);
  void ShowWindowAs(int command);

  bool FVisible;
  bool FDestroyHandled = false;
  bool FModal = false;
  TModalResult FModalResult = mrNone;
  TButton* FDefaultButton = nullptr;
  std::map<UINT, std::function<void(TMessage&)>> FMessageHandlers;
};
