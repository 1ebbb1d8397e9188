#include "menu/menu_palette.h"

namespace {

// Close to Windows 11's dark context menus. Only the references the menus draw with are
// here; a colour the user chose as RGB is never touched.
//
//   reference          index  colour     use in the menus
//   menu               4      #2B2B2B    item background
//   menu text          7      #FFFFFF    item text
//   window text        8      #FFFFFF    item text (the settings' default font colour)
//   highlight          13     #414141    selected item background
//   highlight text     14     #FFFFFF    selected item text
//   button shadow      16     #1E1E1E    lower shade of embossed pictures
//   grey text          17     #7A7A7A    disabled text, upper separator line
//   button highlight   20     #474747    embossing light, lower separator line
struct TDarkColor {
  int Index;
  TRgb Rgb;
};
constexpr TDarkColor DarkColors[] = {
    {4, {0x2B, 0x2B, 0x2B}},  {7, {0xFF, 0xFF, 0xFF}},  {8, {0xFF, 0xFF, 0xFF}},  {13, {0x41, 0x41, 0x41}},
    {14, {0xFF, 0xFF, 0xFF}}, {16, {0x1E, 0x1E, 0x1E}}, {17, {0x7A, 0x7A, 0x7A}}, {20, {0x47, 0x47, 0x47}},
};

}  // namespace

TColorScheme DarkMenuScheme() {
  TColorScheme scheme;
  for (const TDarkColor& color : DarkColors) scheme[color.Index] = color.Rgb;
  return scheme;
}

bool WantsDarkMenus(std::optional<std::uint32_t> appsUseLightTheme, bool highContrast) {
  return appsUseLightTheme == 0u && !highContrast;
}
