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

  bool Visible() const { return FVisible; }
  void Show();
  void Hide();
  // Asks the form to close: the main form's close ends the application.
  void Close();

  // Handlers for the program's own messages (WM_USER and above); the handler sets Result.
  void SetMessageHandler(UINT message, std::function<void(TMessage&)> handler);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnDeactivate;

  // Runs the creation handler; called by the application once the form is built.
  void DoCreate();
  void Destroying() override;

protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  RECT WindowRect() const;

  bool FVisible;
  bool FDestroyHandled = false;
  std::map<UINT, std::function<void(TMessage&)>> FMessageHandlers;
};
