#include "app/pointer_wake.h"

#include <utility>

namespace {

constexpr UINT WM_POINTER_MOVED = WM_APP + 0x102;
constexpr UINT_PTR GuardTimerId = 1;

// A low-level hook has no context of its own: it reaches the one watch of the process.
TPointerWake* HookOwner = nullptr;
HWND HookWindow = nullptr;
bool* HookMovePosted = nullptr;

}  // namespace

TPointerWake::TPointerWake(std::function<void()> onWake) : FOnWake(std::move(onWake)) {
  TWindowParams params;
  params.ClassName = L"TPointerWake";
  params.Parent = HWND_MESSAGE;
  CreateHandle(params);
  // Installed until it has seen a movement, so that resting can be trusted to it.
  InstallHook();
}

TPointerWake::~TPointerWake() {
  ::KillTimer(Handle(), GuardTimerId);
  RemoveHook();
}

void TPointerWake::Rest(POINT at) {
  FRestAt = at;
  FResting = true;
  InstallHook();
  ::SetTimer(Handle(), GuardTimerId, GuardIntervalMs, nullptr);
}

void TPointerWake::Cancel() {
  if (!FResting) return;
  FResting = false;
  ::KillTimer(Handle(), GuardTimerId);
  if (FHookProven) RemoveHook();  // awake, the timer watches the pointer itself
}

void TPointerWake::Wake() {
  Cancel();
  if (FOnWake) FOnWake();
}

void TPointerWake::InstallHook() {
  if (FHook) return;
  FHook = ::SetWindowsHookExW(WH_MOUSE_LL, &MouseHook, ::GetModuleHandleW(nullptr), 0);
  if (!FHook) return;  // the guard poll alone then ends a rest
  HookOwner = this;
  HookWindow = Handle();
  HookMovePosted = &FMovePosted;
}

void TPointerWake::RemoveHook() {
  if (!FHook) return;
  ::UnhookWindowsHookEx(FHook);
  FHook = nullptr;
  HookOwner = nullptr;
  HookWindow = nullptr;
  HookMovePosted = nullptr;
}

LRESULT CALLBACK TPointerWake::MouseHook(int code, WPARAM wParam, LPARAM lParam) {
  // Answer at once: the system waits for the hook before it moves the pointer. The work is
  // posted, and one pending notice covers any number of moves.
  if (code == HC_ACTION && wParam == WM_MOUSEMOVE && HookOwner && !*HookMovePosted) {
    *HookMovePosted = true;
    ::PostMessageW(HookWindow, WM_POINTER_MOVED, 0, 0);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT TPointerWake::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_POINTER_MOVED:
      FMovePosted = false;
      FHookProven = true;
      if (FResting) Wake();
      else RemoveHook();
      return 0;
    case WM_TIMER: {
      POINT now{};
      if (wParam == GuardTimerId && FResting && ::GetCursorPos(&now) && (now.x != FRestAt.x || now.y != FRestAt.y))
        Wake();
      return 0;
    }
    default:
      return TWindow::WndProc(message, wParam, lParam);
  }
}
