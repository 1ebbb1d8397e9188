#include "framework/window.h"

#include <set>

#include "framework/application.h"
#include "framework/exception.h"
#include "texts/texts.h"

namespace {

void RegisterClassOnce(const TWindowParams& params, WNDPROC proc) {
  static std::set<std::wstring> registered;
  if (registered.count(params.ClassName)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hIcon = params.Icon;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = params.ClassName.c_str();
  if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw Exception(Text(TText::NoWindowClass, {params.ClassName}));
  registered.insert(params.ClassName);
}

}  // namespace

TWindow::~TWindow() { DestroyHandle(); }

void TWindow::CreateHandle(const TWindowParams& params) {
  RegisterClassOnce(params, &StaticWndProc);
  const RECT& r = params.Bounds;
  HWND window = ::CreateWindowExW(params.ExStyle, params.ClassName.c_str(), params.Caption.c_str(), params.Style,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, params.Parent, nullptr,
                                  ::GetModuleHandleW(nullptr), this);
  if (!window) throw Exception(Text(TText::NoWindow, {params.ClassName}));
}

void TWindow::DestroyHandle() {
  if (FHandle) ::DestroyWindow(FHandle);  // WM_NCDESTROY clears FHandle
}

LRESULT TWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(FHandle, message, wParam, lParam);
}

LRESULT CALLBACK TWindow::StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->FHandle = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->FHandle = nullptr;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  try {
    return self->WndProc(message, wParam, lParam);
  } catch (...) {
    Application().HandleException();
    return 0;
  }
}
