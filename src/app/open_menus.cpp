#include "app/open_menus.h"

#include <windows.h>

#include <string_view>

namespace {

// The class of the platform's menu windows.
constexpr std::wstring_view MenuWindowClass = L"#32768";

BOOL CALLBACK RepaintIfMenu(HWND window, LPARAM) {
  wchar_t name[8] = {};
  const int length = ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
  if (std::wstring_view(name, static_cast<size_t>(length)) == MenuWindowClass && ::IsWindowVisible(window))
    ::InvalidateRect(window, nullptr, FALSE);
  return TRUE;
}

}  // namespace

void RepaintOpenMenus() { ::EnumThreadWindows(::GetCurrentThreadId(), &RepaintIfMenu, 0); }
