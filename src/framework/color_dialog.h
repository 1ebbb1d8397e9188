#pragma once
// The system's colour dialog; the custom colours the user mixes stay for the next opening.
#include <windows.h>

#include <array>

#include "framework/color.h"
#include "framework/component.h"

class TColorDialog : public TComponent {
public:
  explicit TColorDialog(TComponent* owner);

  // The colour the dialog opens on, and after a confirmed Execute the one chosen (as RGB).
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { FColor = color; }

  // Shows the dialog modally over `owner`; true when the user confirmed a choice.
  bool Execute(HWND owner);

private:
  TColor FColor = clBlack;
  std::array<COLORREF, 16> FCustomColors;
};
