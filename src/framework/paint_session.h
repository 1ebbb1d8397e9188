#pragma once
// One WM_PAINT's drawing: BeginPaint as it starts, EndPaint however it ends.
#include <windows.h>

class TPaintSession {
public:
  explicit TPaintSession(HWND window) : FWindow(window), FDC(::BeginPaint(window, &FPaint)) {}
  ~TPaintSession() { ::EndPaint(FWindow, &FPaint); }
  TPaintSession(const TPaintSession&) = delete;
  TPaintSession& operator=(const TPaintSession&) = delete;
  HDC DC() const { return FDC; }

private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};
