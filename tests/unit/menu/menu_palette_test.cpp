#include "menu/menu_palette.h"

#include <gtest/gtest.h>

TEST(MenuPalette, MenusAreDarkOnlyInTheDarkAppThemeWithoutHighContrast) {
  struct TCase {
    std::optional<std::uint32_t> AppsUseLightTheme;
    bool HighContrast;
    bool Dark;
  };
  const TCase cases[] = {
      {0u, false, true},            // dark mode
      {1u, false, false},           // light mode
      {0u, true, false},            // high contrast keeps the user's colours
      {std::nullopt, false, false}  // no theme value: a Windows before the dark theme
  };
  for (const TCase& c : cases)
    EXPECT_EQ(WantsDarkMenus(c.AppsUseLightTheme, c.HighContrast), c.Dark)
        << c.AppsUseLightTheme.value_or(99) << " " << c.HighContrast;
}
