#include "app/pointer_wake.h"

#include <utility>

namespace {

constexpr UINT WM_POINTER_MOVED = WM_APP + 0x102;
constexpr UINT_PTR GuardTimerId = 1;

// A low-level hook has no context of its own: it reaches the one watch of the process.
HWND HookWindow = nullptr;
bool* HookMovePosted = nullptr;
// Where the hook last saw the pointer go.
POINT HookLastAt{};
bool HookSawAny = false;

bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }

}  // namespace

TPointerWake::TPointerWake(std::function<void()> onWake) : FOnWake(std::move(onWake)) {
  TWindowParams params;
  params.ClassName = L"TPointerWake";
  params.Parent = HWND_MESSAGE;
  CreateHandle(params);
  FHook = ::SetWindowsHookExW(WH_MOUSE_LL, &MouseHook, ::GetModuleHandleW(nullptr), 0);
  if (!FHook) return;  // the timer then never rests
  HookWindow = Handle();
  HookMovePosted = &FMovePosted;
  HookSawAny = false;
}

TPointerWake::~TPointerWake() {
  ::KillTimer(Handle(), GuardTimerId);
  RemoveHook();
}

void TPointerWake::Observe(POINT at) {
  if (FObservedAny && at == FObserved) return;
  // The hook is called before the timer's tick is made, so a move it saw is already known.
  if (FObservedAny && !(HookSawAny && at == HookLastAt)) RemoveHook();
  FObserved = at;
  FObservedAny = true;
}

bool TPointerWake::CanRest(POINT at) const { return FHook && HookSawAny && at == HookLastAt; }

void TPointerWake::Rest(POINT at) {
  FRestAt = at;
  FResting = true;
  ::SetTimer(Handle(), GuardTimerId, GuardIntervalMs, nullptr);
}

void TPointerWake::Cancel() {
  if (!FResting) return;
  FResting = false;
  ::KillTimer(Handle(), GuardTimerId);
}

void TPointerWake::Wake() {
  Cancel();
  if (FOnWake) FOnWake();
}

void TPointerWake::RemoveHook() {
  if (!FHook) return;
  ::UnhookWindowsHookEx(FHook);
  FHook = nullptr;
  if (HookWindow != Handle()) return;  // a newer watch has taken the hook's context over
  HookWindow = nullptr;
  HookMovePosted = nullptr;
}

LRESULT CALLBACK TPointerWake::MouseHook(int code, WPARAM wParam, LPARAM lParam) {
  // Answer at once: the system waits for the hook before it moves the pointer. The work is
  // posted, and one pending notice covers any number of moves.
  if (code == HC_ACTION && wParam == WM_MOUSEMOVE && HookWindow) {
    HookLastAt = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt;
    HookSawAny = true;
    if (!*HookMovePosted) {
      *HookMovePosted = true;
      ::PostMessageW(HookWindow, WM_POINTER_MOVED, 0, 0);
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT TPointerWake::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_POINTER_MOVED:
      FMovePosted = false;
      if (FResting) Wake();
      return 0;
    case WM_TIMER: {
      POINT now{};
      if (wParam == GuardTimerId && FResting && ::GetCursorPos(&now) && !(now == FRestAt)) Wake();
      return 0;
    }
    default:
      return TWindow::WndProc(message, wParam, lParam);
  }
}
