#include "framework/menu_foreground.h"

namespace {

// The innermost scope of the user-interface thread.
TMenuForeground* Innermost = nullptr;

}  // namespace

TMenuForeground::TMenuForeground(HWND owner, HWND previous)
    : FOwner(owner), FPrevious(previous), FOuter(Innermost) {
  Innermost = this;
  ::SetForegroundWindow(owner);
}

TMenuForeground::~TMenuForeground() {
  // The menu has left its loop; a message in the queue lets the next menu close properly too.
  ::PostMessageW(FOwner, WM_NULL, 0, 0);
  // A click elsewhere may have moved the foreground on: then it stays. The menu loop may
  // have handed it to a hidden window of this thread, which must not keep it either.
  const HWND now = ::GetForegroundWindow();
  const bool heldHere = now == FOwner || (now && !::IsWindowVisible(now) &&
                                          ::GetWindowThreadProcessId(now, nullptr) == ::GetCurrentThreadId());
  if (heldHere && FPrevious && FPrevious != FOwner && ::IsWindow(FPrevious)) ::SetForegroundWindow(FPrevious);
  Innermost = FOuter;
}

bool TMenuForeground::Holds(HWND owner) {
  for (const TMenuForeground* scope = Innermost; scope; scope = scope->FOuter) {
    if (scope->FOwner == owner) return true;
  }
  return false;
}
