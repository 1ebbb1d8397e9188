#pragma once
// The application object: its own hidden top-level window (which owns the forms, so they get
// no taskbar button), the message loop, the screen cursor and the standard error box.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/cursor_image.h"
#include "framework/window.h"

class TForm;

// Sees each message the loop takes from the queue before it is translated and dispatched; a
// filter that returns true has handled it (a dialog's keyboard navigation, say).
class TMessageFilter {
public:
  virtual ~TMessageFilter() = default;
  virtual bool PreTranslateMessage(MSG& msg) = 0;
};

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
  // Waits for one message and handles it (a modal loop's step).
  void HandleMessage();
  // Handles the messages that are waiting, then returns.
  void ProcessMessages();

  // The filter most recently added sees a message first. A filter must be removed before it goes.
  void AddMessageFilter(TMessageFilter& filter);
  void RemoveMessageFilter(TMessageFilter& filter);

  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor cursor);

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
  // False for the quit message, which ends the loop.
  bool ProcessMessage(MSG& msg);

  std::wstring FTitle;
  std::wstring FHint;
  TForm* FMainForm = nullptr;
  TCursor FCursor = crDefault;
  bool FTerminated = false;
  std::vector<TMessageFilter*> FMessageFilters;
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
