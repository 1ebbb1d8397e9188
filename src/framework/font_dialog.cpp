#include "framework/font_dialog.h"

#include <commdlg.h>

#include "framework/font.h"
#include "framework/system_colors.h"

bool TFontDialog::Execute(HWND owner) {
  LOGFONTW record = ToLogFont(FFont);
  CHOOSEFONTW choice{};
  choice.lStructSize = sizeof(choice);
  choice.hwndOwner = owner;
  choice.lpLogFont = &record;
  choice.Flags = CF_SCREENFONTS | CF_TTONLY | CF_SCALABLEONLY | CF_FORCEFONTEXIST | CF_EFFECTS |
                 CF_INITTOLOGFONTSTRUCT;
  choice.rgbColors = ColorToRGB(FFont.Color);
  if (!::ChooseFontW(&choice)) return false;
  FFont = FromLogFont(record, choice.rgbColors);
  return true;
}
