#include "menu/menu_theme.h"

#include <windows.h>

#include "framework/gdi_handle.h"
#include "framework/registry_key.h"
#include "framework/system_colors.h"
#include "menu/menu_palette.h"

namespace {

struct TMenuTheme {
  bool Read = false;
  bool Dark = false;
  TColorScheme Scheme = DarkMenuScheme();
  TBrushHandle DarkBackground{::CreateSolidBrush(ColorToRGB(clMenu, &Scheme))};
};

TMenuTheme& Theme() {
  static TMenuTheme theme;
  return theme;
}

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace

void RefreshMenuTheme() {
  const std::optional<DWORD> light =
      TRegistryKey::OpenForReading(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize")
          .ReadDword(L"AppsUseLightTheme");
  TMenuTheme& theme = Theme();
  theme.Dark = WantsDarkMenus(light, HighContrastOn());
  theme.Read = true;
}

void ApplyMenuBackground(HMENU menu) {
  const TColorScheme* dark = MenuColorScheme();
  MENUINFO info{};
  info.cbSize = sizeof info;
  info.fMask = MIM_BACKGROUND;
  info.hbrBack = dark ? Theme().DarkBackground.Get() : nullptr;
  ::SetMenuInfo(menu, &info);
}

const TColorScheme* MenuColorScheme() {
  TMenuTheme& theme = Theme();
  if (!theme.Read) RefreshMenuTheme();
  return theme.Dark ? &theme.Scheme : nullptr;
}
