#include "app/open_menus.h"

#include <windows.h>

#include "framework/popup_menu.h"

void RepaintOpenMenus() {
  ForOpenMenus([](HWND window, HMENU) {
    ::InvalidateRect(window, nullptr, FALSE);
    return false;
  });
}
