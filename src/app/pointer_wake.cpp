#include "app/pointer_wake.h"

#include <atomic>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "framework/win_handle.h"

namespace {

constexpr UINT WM_POINTER_MOVED = WM_APP + 0x102;
constexpr UINT_PTR GuardTimerId = 1;

struct THookTraits {
  using Handle = HHOOK;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::UnhookWindowsHookEx(h); }
};

bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }

}  // namespace

// A low-level mouse hook on a thread that only runs its message loop, so that it always answers
// at once. It keeps where the pointer last went and posts one notice to the watch's window for
// any number of moves until the window has taken it.
class TPointerMoveHook {
public:
  explicit TPointerMoveHook(HWND window) : FWindow(window), FThread([this] { Run(); }) {}
  // Removes the hook and ends its thread, which never blocks.
  ~TPointerMoveHook() {
    ::PostThreadMessageW(FThreadId.get(), WM_QUIT, 0, 0);
    FThread.join();
  }
  TPointerMoveHook(const TPointerMoveHook&) = delete;
  TPointerMoveHook& operator=(const TPointerMoveHook&) = delete;

  bool Installed() const { return FInstalled; }
  // Where the hook last saw the pointer go; none before the first move.
  std::optional<POINT> LastSeen() const {
    const std::lock_guard lock(FLock);
    return FLastSeen;
  }
  // The window took the notice: the next move posts another.
  void NoticeTaken() { FNoticePosted = false; }

private:
  // A low-level hook has no context of its own: it reaches the hook of the thread it runs on.
  static thread_local TPointerMoveHook* ThreadHook;

  static LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == WM_MOUSEMOVE && ThreadHook)
      ThreadHook->Saw(reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  void Saw(POINT at) {
    {
      const std::lock_guard lock(FLock);
      FLastSeen = at;
    }
    if (!FNoticePosted.exchange(true)) ::PostMessageW(FWindow, WM_POINTER_MOVED, 0, 0);
  }

  void Run() {
    MSG msg{};
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // makes the queue the quit message needs
    FThreadIdSet.set_value(::GetCurrentThreadId());
    ThreadHook = this;
    const TUniqueHandle<THookTraits> hook(
        ::SetWindowsHookExW(WH_MOUSE_LL, &MouseHook, ::GetModuleHandleW(nullptr), 0));
    FInstalled = hook.Valid();  // without it the watch never rests
    // The system calls the hook from within this loop.
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  }

  const HWND FWindow;
  std::promise<DWORD> FThreadIdSet;
  std::future<DWORD> FThreadId = FThreadIdSet.get_future();
  std::atomic<bool> FInstalled = false;
  std::atomic<bool> FNoticePosted = false;
  mutable std::mutex FLock;
  std::optional<POINT> FLastSeen;
  std::thread FThread;  // last: it starts once the rest is made
};

thread_local TPointerMoveHook* TPointerMoveHook::ThreadHook = nullptr;

TPointerWake::TPointerWake(std::function<void()> onWake) : FOnWake(std::move(onWake)) {
  TWindowParams params;
  params.ClassName = L"TPointerWake";
  params.Parent = HWND_MESSAGE;
  CreateHandle(params);
  FHook = std::make_unique<TPointerMoveHook>(Handle());
}

TPointerWake::~TPointerWake() {
  ::KillTimer(Handle(), GuardTimerId);
  FHook.reset();
}

bool TPointerWake::Watching() const { return FHook && FHook->Installed(); }

void TPointerWake::Observe(POINT at) {
  if (FObservedAny && at == FObserved) return;
  // The hook is called before the pointer moves, so a move it saw is known by the time the
  // timer can read the new position. Moves before the hook was in place tell nothing.
  if (FObservedAny && Watching() && !CanRest(at)) FHook.reset();
  FObserved = at;
  FObservedAny = true;
}

bool TPointerWake::CanRest(POINT at) const {
  if (!Watching()) return false;
  const std::optional<POINT> seen = FHook->LastSeen();
  return seen && *seen == at;
}

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

LRESULT TPointerWake::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_POINTER_MOVED:
      if (FHook) FHook->NoticeTaken();
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
