#include "framework/hint_window.h"

#include "framework/application.h"
#include "framework/canvas.h"
#include "framework/paint_session.h"

namespace {

constexpr int TextIndent = 2;

// The system's status-bar font, which the system also uses for tooltips.
TFontDescription SystemHintFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  TFontDescription font;
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    font.Name = metrics.lfStatusFont.lfFaceName;
    font.Height = metrics.lfStatusFont.lfHeight;
    font.Charset = metrics.lfStatusFont.lfCharSet;
  }
  font.Color = clInfoText;
  return font;
}

}  // namespace

THintWindow::THintWindow() { FFont.Assign(SystemHintFont()); }

bool THintWindow::Showing() const { return HandleAllocated() && ::IsWindowVisible(Handle()); }

void THintWindow::MeasureText(TRect& rect, const std::wstring& text, UINT format) {
  TScreenDC screen;
  TCanvas canvas;
  canvas.Bind(screen.Get());
  canvas.Font().Assign(FFont);
  canvas.TextInRect(rect, text, format | DT_CALCRECT);
}

void THintWindow::ActivateHint(const TRect& rect, const std::wstring& text) {
  if (!HandleAllocated()) {
    TWindowParams params;
    params.ClassName = L"THintWindow";
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.Parent = Application().Handle();
    CreateHandle(params);
  }
  FText = text;
  ::SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  ::InvalidateRect(Handle(), nullptr, TRUE);
  ::UpdateWindow(Handle());
}

void THintWindow::HideHint() {
  if (Showing()) ::ShowWindow(Handle(), SW_HIDE);
}

LRESULT THintWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
  }
  return TWindow::WndProc(message, wParam, lParam);
}

void THintWindow::Paint() {
  const TPaintSession session(Handle());
  TCanvas canvas;
  canvas.Bind(session.DC());
  RECT client;
  ::GetClientRect(Handle(), &client);
  TRect area = FromWinRect(client);
  canvas.Brush().SetColor(clInfoBk);
  canvas.FillRect(area);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(FFont);
  area.Left += TextIndent;
  canvas.TextInRect(area, FText, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}
