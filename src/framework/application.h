#pragma once
// The application object: its own hidden top-level window (which owns the forms, so they get
// no taskbar button), the message loop, the screen cursor and the standard error box.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "framework/component.h"
#include "framework/window.h"

class TForm;

enum class TScreenCursor { crDefault, crHourGlass };

class TApplication : public TComponent, private TWindow {
public:
  TApplication();
  ~TApplication() override;

  HWND Handle();  // made on first use
  const std::wstring& Title() const { return FTitle; }
  void SetTitle(std::wstring title);

  // Creates a form owned by the application, runs its creation handler and shows it when it
  // is meant to be visible. The first form made is the main form.
  template <typename T, typename... Args>
  T& CreateForm(Args&&... args) {
    T& form = Make<T>(std::forward<Args>(args)...);
    FormCreated(form);
    return form;
  }
  TForm* MainForm() const { return FMainForm; }
  // The form whose window is this thread's active window, or null.
  TForm* ActiveForm() const;

  // The hint of what the user points at or highlights, for whoever shows hints.
  const std::wstring& Hint() const { return FHint; }
  void SetHint(std::wstring hint) { FHint = std::move(hint); }

  // Runs the message loop until Terminate; then frees the forms.
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Handles the messages that are waiting, then returns.
  void ProcessMessages();

  TScreenCursor Cursor() const { return FCursor; }
  void SetCursor(TScreenCursor cursor);

  // Shows the message of the exception being handled; call only inside a catch block.
  void HandleException() noexcept;
  void ShowException(const std::exception& error);
  // Replaces the error box (tests, logging). Receives the message text.
  std::function<void(const std::wstring&)> OnException;

protected:
  void RemovalNotice(TComponent& component) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  void FormCreated(TForm& form);
  bool HandleMessage(MSG& msg);

  std::wstring FTitle;
  std::wstring FHint;
  TForm* FMainForm = nullptr;
  TScreenCursor FCursor = TScreenCursor::crDefault;
  bool FTerminated = false;
};

// Shows the hourglass while it lives and the normal cursor afterwards, however the scope ends.
class THourGlassCursor {
public:
  THourGlassCursor();
  ~THourGlassCursor();
  THourGlassCursor(const THourGlassCursor&) = delete;
  THourGlassCursor& operator=(const THourGlassCursor&) = delete;
};

// The one application object of the process.
TApplication& Application();
