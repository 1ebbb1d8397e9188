#include "framework/color_dialog.h"

#include <commdlg.h>

#include "framework/system_colors.h"

TColorDialog::TColorDialog(TComponent* owner) : TComponent(owner) { FCustomColors.fill(RGB(255, 255, 255)); }

bool TColorDialog::Execute(HWND owner) {
  CHOOSECOLORW choice{};
  choice.lStructSize = sizeof(choice);
  choice.hwndOwner = owner;
  choice.rgbResult = ColorToRGB(FColor);
  choice.lpCustColors = FCustomColors.data();
  choice.Flags = CC_RGBINIT;
  if (!::ChooseColorW(&choice)) return false;
  FColor = choice.rgbResult;
  return true;
}
