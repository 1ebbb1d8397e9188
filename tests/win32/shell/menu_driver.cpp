#include "shell/menu_driver.h"

#include <chrono>

namespace {

constexpr auto Tick = std::chrono::milliseconds(15);

struct TWindowSearch {
  const wchar_t* ClassName;
  HWND Found;
};

BOOL CALLBACK MatchOwnWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<TWindowSearch*>(param);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  if (process != ::GetCurrentProcessId() || !::IsWindowVisible(window) || std::wstring(name) != search.ClassName) {
    return TRUE;
  }
  search.Found = window;
  return FALSE;
}

// A visible top-level window of this process with the class `className`.
HWND FindOwnWindow(const wchar_t* className) {
  TWindowSearch search{className, nullptr};
  ::EnumWindows(MatchOwnWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  ::GetWindowTextW(window, text, 512);
  return text;
}

void Key(HWND popup, UINT key) {
  ::PostMessageW(popup, WM_KEYDOWN, key, 0);
  ::PostMessageW(popup, WM_KEYUP, key, 0xC0000000);
}

void RightClickOn(HMENU menu, int position) {
  RECT item{};
  if (!::GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &item)) return;
  ::SetCursorPos((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  INPUT click[2] = {};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  ::SendInput(2, click, sizeof(INPUT));
}

int PositionOf(HMENU menu, UINT command) {
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    if (::GetMenuItemID(menu, i) == command) return i;
  }
  return -1;
}

}  // namespace

TMenuDriver::TMenuDriver(UINT command, unsigned menuTimeoutMs, TChoiceBy choiceBy)
    : FCommand(command), FMenuTimeoutMs(menuTimeoutMs), FChoiceBy(choiceBy), FThread([this] { Run(); }) {}

TMenuDriver::~TMenuDriver() {
  FStop = true;
  FThread.join();
}

std::vector<HMENU> TMenuDriver::Menus() const {
  const std::lock_guard lock(FLock);
  return FMenus;
}

std::vector<POINT> TMenuDriver::Places() const {
  const std::lock_guard lock(FLock);
  return FPlaces;
}

std::vector<TSeenBox> TMenuDriver::Boxes() const {
  const std::lock_guard lock(FLock);
  return FBoxes;
}

void TMenuDriver::Run() {
  while (!FStop) {
    CloseBoxes();
    // PlayOn returns once the menu has gone, so any menu seen here is a new one.
    if (const HWND popup = FindOwnWindow(L"#32768")) PlayOn(popup);
    std::this_thread::sleep_for(Tick);
  }
}

void TMenuDriver::PlayOn(HWND popup) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(popup, MN_GETHMENU, 0, 0, SMTO_ABORTIFHUNG, 1000, &result);
  const auto menu = reinterpret_cast<HMENU>(result);
  RECT place{};
  ::GetWindowRect(popup, &place);
  {
    const std::lock_guard lock(FLock);
    FMenus.push_back(menu);
    FPlaces.push_back({place.left, place.top});
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(FMenuTimeoutMs);
  const int target = FCommand == DismissEveryMenu ? -1 : PositionOf(menu, FCommand);
  bool chosen = target < 0;
  while (::IsWindow(popup) && ::IsWindowVisible(popup)) {
    if (std::chrono::steady_clock::now() > deadline) {
      ++FTimedOut;
      Key(popup, VK_ESCAPE);
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      continue;
    }
    if (!chosen) {
      if (FChoiceBy == TChoiceBy::RightButton) {
        RightClickOn(menu, target);
        chosen = true;
      } else if (::GetMenuState(menu, target, MF_BYPOSITION) & MF_HILITE) {
        Key(popup, VK_RETURN);
        chosen = true;
      } else {
        Key(popup, VK_DOWN);
      }
    } else if (FCommand == DismissEveryMenu) {
      Key(popup, VK_ESCAPE);
    }
    std::this_thread::sleep_for(Tick * 2);
    CloseBoxes();
  }
}

void TMenuDriver::CloseBoxes() {
  const HWND box = FindOwnWindow(L"#32770");
  if (!box) return;
  TSeenBox seen;
  seen.Caption = WindowText(box);
  const HICON information = ::LoadIconW(nullptr, IDI_INFORMATION);
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    ::GetClassNameW(child, name, 32);
    if (::lstrcmpiW(name, L"Static") != 0) continue;
    if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      DWORD_PTR icon = 0;
      ::SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 1000, &icon);
      seen.InformationIcon = reinterpret_cast<HICON>(icon) == information;
    } else if (seen.Text.empty()) {
      seen.Text = WindowText(child);
    }
  }
  {
    const std::lock_guard lock(FLock);
    FBoxes.push_back(seen);
  }
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  // Wait for it to go, so it is not read twice.
  for (int i = 0; i < 100 && ::IsWindow(box) && ::IsWindowVisible(box); ++i) std::this_thread::sleep_for(Tick);
}
