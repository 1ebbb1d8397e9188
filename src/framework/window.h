#pragma once
// A window owned by a C++ object: the object receives its messages through WndProc, and an
// exception thrown while handling one is shown in the application's error box instead of
// crossing the system's frames.
#include <windows.h>

#include <string>

#include "framework/win_handle.h"

struct TWindowParams {
  std::wstring ClassName;
  std::wstring Caption;
  DWORD Style = WS_POPUP;
  DWORD ExStyle = 0;
  RECT Bounds{0, 0, 0, 0};
  HWND Parent = nullptr;  // owner for top-level windows; HWND_MESSAGE for message-only ones
  HICON Icon = nullptr;
};

class TWindow {
public:
  TWindow() = default;
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;
  virtual ~TWindow();

  HWND Handle() const { return FHandle; }
  bool HandleAllocated() const { return FHandle != nullptr; }

protected:
  void CreateHandle(const TWindowParams& params);
  void DestroyHandle();
  // Called with every message; the default passes it to DefWindowProc.
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
  static LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND FHandle = nullptr;
};
