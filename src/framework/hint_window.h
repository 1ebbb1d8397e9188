#pragma once
// A small borderless-looking popup that shows a hint text near the cursor without taking the
// focus. Its window is made when it is first shown.
#include <windows.h>

#include <string>

#include "framework/font.h"
#include "framework/geometry.h"
#include "framework/window.h"

class THintWindow : private TWindow {
public:
  THintWindow();

  using TWindow::Handle;
  using TWindow::HandleAllocated;
  bool Showing() const;

  // Measures `text` in the hint's font with DT_* `format` (DT_CALCRECT is added): `rect`
  // takes the text's size.
  void MeasureText(TRect& rect, const std::wstring& text, UINT format);
  // Shows `text` in the screen rectangle `rect`, above other windows.
  void ActivateHint(const TRect& rect, const std::wstring& text);
  void HideHint();

  const std::wstring& Text() const { return FText; }

protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  void Paint();

  TFont FFont;
  std::wstring FText;
};
