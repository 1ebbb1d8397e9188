#pragma once
// A one-pixel solid pen for lines. Changing its colour drops the handle; the canvas that has
// it selected is told first.
#include <windows.h>

#include <functional>

#include "framework/color.h"
#include "framework/gdi_handle.h"

class TPen {
public:
  TPen() = default;
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  HPEN Handle();

  std::function<void()> OnChanging;

private:
  TColor FColor = clBlack;
  TPenHandle FHandle;
};
