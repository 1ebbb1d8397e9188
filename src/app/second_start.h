#pragma once
// A start of tamarind.exe while a copy runs hands its request over and ends: the running copy
// opens the menu. The running copy's main window is known by its answer to a message that only
// Tamarind registers; the request travels as WM_COPYDATA, which the receiver copies and answers
// at once, opening the menu from a message it posts itself, so that the sender is never held
// while the menu is open.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "framework/window.h"

// The running copy's side: a message-only window that takes requests and hands each to
// `onRequest` from a message of its own, the sender long answered.
class TStartRequests : private TWindow {
public:
  // Whether the request was served; false when it must come again (a menu still closing).
  using TRequestEvent = std::function<bool(const std::wstring& folderArgument)>;

  explicit TStartRequests(TRequestEvent onRequest);
  ~TStartRequests() override;
  // Serves `folderArgument` as if a second start had sent it.
  void Post(const std::wstring& folderArgument);

private:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Serves the newest request, or tries again shortly while it must wait.
  void Serve();

  TRequestEvent FOnRequest;
  std::optional<std::wstring> FWaiting;
  int FAttempts = 0;
};

// Hands `folderArgument` (a folder as typed, or empty for the launcher menu) to the copy that
// runs. Tells the user, and hands nothing over, when the running copy was started from another
// folder or does not answer within two seconds.
void HandOverToRunningCopy(const std::wstring& folderArgument);
