#include "framework/custom_control.h"

#include "framework/exception.h"
#include "framework/paint_session.h"
#include "texts/texts.h"

namespace {

constexpr wchar_t ClassName[] = L"TamarindCustomControl";

void RegisterClassOnce() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = ClassName;
    return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  if (!registered) throw Exception(Text(TText::NoWindowClass, {ClassName}));
}

// Keeps the canvas on a device context for as long as it is in scope.
class TCanvasBinding {
public:
  TCanvasBinding(TCanvas& canvas, HDC dc) : FCanvas(canvas) { FCanvas.Bind(dc); }
  ~TCanvasBinding() { FCanvas.Unbind(); }
  TCanvasBinding(const TCanvasBinding&) = delete;
  TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
  TCanvas& FCanvas;
};

class TWindowDC {
public:
  explicit TWindowDC(HWND window) : FWindow(window), FDC(::GetDC(window)) {
    if (!FDC) throw Exception(Text(TText::NoContext));
  }
  ~TWindowDC() { ::ReleaseDC(FWindow, FDC); }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  HDC DC() const { return FDC; }

private:
  HWND FWindow;
  HDC FDC;
};

}  // namespace

void TCustomControl::CreateParams(TCreateParams& params) {
  RegisterClassOnce();
  params.ClassName = ClassName;
}

LRESULT TCustomControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      TPaintSession session(Handle());
      TCanvasBinding binding(FCanvas, session.DC());
      Paint();
      return 0;
    }
    default:
      return TWinControl::WndProc(message, wParam, lParam);
  }
}

void TCustomControl::PaintNow(const std::function<void()>& draw) {
  if (!HandleAllocated()) return;
  TWindowDC dc(Handle());
  TCanvasBinding binding(FCanvas, dc.DC());
  draw();
}
