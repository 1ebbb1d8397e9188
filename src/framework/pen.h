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
  // Where system colour references come from; not owned, null for the system itself.
  void SetColorScheme(const TColorScheme* scheme);
  HPEN Handle();

  std::function<void()> OnChanging;

private:
  void Changing();

  TColor FColor = clBlack;
  const TColorScheme* FScheme = nullptr;
  TPenHandle FHandle;
};
