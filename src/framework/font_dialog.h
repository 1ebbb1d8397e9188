#pragma once
// The system's font dialog: TrueType and other scalable fonts that exist, with the effects
// part for colour, underline and strike-out.
#include <windows.h>

#include "framework/component.h"
#include "framework/font_description.h"

class TFontDialog : public TComponent {
public:
  using TComponent::TComponent;

  // The font the dialog opens on, and after a confirmed Execute the one chosen.
  const TFontDescription& Font() const { return FFont; }
  void SetFont(const TFontDescription& font) { FFont = font; }

  // Shows the dialog modally over `owner`; true when the user confirmed a choice.
  bool Execute(HWND owner);

private:
  TFontDescription FFont;
};
