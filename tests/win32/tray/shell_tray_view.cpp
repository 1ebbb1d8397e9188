#include "shell_tray_view.h"

#include <algorithm>

#include "support/message_pump.h"

namespace {

// Where Wine keeps its icons: the X11 driver's stand-alone tray window (Wine 8), or the
// explorer's own tray window (later versions); one child window per icon.
struct TTrayLayout {
  const wchar_t* TrayClass;
  const wchar_t* IconClass;
};
constexpr TTrayLayout TrayLayouts[] = {{L"__winex11_standalone_tray", L"__winex11_tray_icon"},
                                       {L"Shell_TrayWnd", L"__wine_tray_icon"}};

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

POINT CentreOf(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Puts the pointer at `target` and waits until it stays there: the display reports a move
// late, and a late report of an earlier move takes the pointer back to where it was.
void MovePointerTo(POINT target) {
  unsigned long long settledSince = 0;
  PumpUntil(
      [&] {
        POINT now{};
        ::GetCursorPos(&now);
        if (now.x != target.x || now.y != target.y) {
          ::SetCursorPos(target.x, target.y);
          settledSince = 0;
        } else if (!settledSince) {
          settledSince = NowMs();
        }
        return settledSince && NowMs() - settledSince >= 100;
      },
      2000);
}

// Moves the pointer away from every icon, so that the next move onto one is a new hover.
void PointAway() {
  MovePointerTo({::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1});
  PumpFor(30);
}

struct TTooltipSearch {
  HWND Owner;
  HWND Found = nullptr;
};

BOOL CALLBACK MatchTooltip(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TTooltipSearch*>(data);
  if (::GetWindow(window, GW_OWNER) != search.Owner || !::IsWindowVisible(window)) return TRUE;
  if (ClassOf(window) != L"tooltips_class32") return TRUE;
  search.Found = window;
  return FALSE;
}

// The tooltip on screen over the tray that holds `iconWindow`, if any. Popups belong to a
// top-level window, so every icon's tooltip is owned by the tray itself.
HWND VisibleTrayTooltip(HWND iconWindow) {
  TTooltipSearch search{::GetAncestor(iconWindow, GA_ROOT)};
  ::EnumWindows(MatchTooltip, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

}  // namespace

std::vector<HWND> ShellTrayIconWindows() {
  std::vector<HWND> icons;
  for (const TTrayLayout& layout : TrayLayouts) {
    for (HWND tray = ::FindWindowExW(nullptr, nullptr, layout.TrayClass, nullptr); tray;
         tray = ::FindWindowExW(nullptr, tray, layout.TrayClass, nullptr)) {
      for (HWND icon = ::FindWindowExW(tray, nullptr, layout.IconClass, nullptr); icon;
           icon = ::FindWindowExW(tray, icon, layout.IconClass, nullptr)) {
        if (::IsWindowVisible(icon)) icons.push_back(icon);
      }
    }
  }
  // Icons stand left to right in the order they came.
  std::ranges::sort(icons, [](HWND a, HWND b) { return CentreOf(a).x > CentreOf(b).x; });
  return icons;
}

HWND FindShellTrayIcon(const std::function<bool()>& pointedAt) {
  for (const HWND icon : ShellTrayIconWindows()) {
    PointAway();
    MovePointerTo(CentreOf(icon));
    if (PumpUntil(pointedAt, 500)) return icon;
  }
  return nullptr;
}

std::optional<std::wstring> ShellTrayTooltip(HWND iconWindow, unsigned timeoutMs, const std::wstring& awaited) {
  std::optional<std::wstring> text;
  PumpUntil(
      [&] {
        const HWND tooltip = VisibleTrayTooltip(iconWindow);
        if (!tooltip) return false;
        // A tooltip answers WM_GETTEXT with the text it shows; the system carries the message
        // across processes.
        wchar_t shown[256] = {};
        ::SendMessageW(tooltip, WM_GETTEXT, std::size(shown), reinterpret_cast<LPARAM>(shown));
        text = shown;
        return awaited.empty() || *text == awaited;
      },
      timeoutMs);
  return text;
}

std::vector<COLORREF> ShellTrayIconPixels(HWND iconWindow) {
  RECT r{};
  ::GetWindowRect(iconWindow, &r);
  std::vector<COLORREF> pixels;
  // The shell's window belongs to another process: read the screen where it stands.
  const HDC screen = ::GetDC(nullptr);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) pixels.push_back(::GetPixel(screen, x, y));
  ::ReleaseDC(nullptr, screen);
  return pixels;
}

void MovePointerOffShellTray() { PointAway(); }
