#pragma once
// A control that paints itself on its own canvas.
#include <functional>

#include "framework/canvas.h"
#include "framework/win_control.h"

class TCustomControl : public TWinControl {
public:
  using TWinControl::TWinControl;

protected:
  void CreateParams(TCreateParams& params) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  TCanvas& Canvas() { return FCanvas; }
  // Paints the whole client area on Canvas(): nothing erases the background first.
  virtual void Paint() = 0;
  // Runs `draw` on Canvas() at once, for a part that changed, without waiting for a paint.
  void PaintNow(const std::function<void()>& draw);

private:
  TCanvas FCanvas;
};
