#pragma once
// Lets the gesture timer stop while the pointer rests, and starts it again on the first
// movement. The system's low-level mouse hook reports that movement at once. Resting is left to
// the hook only while it has reported every movement the timer saw: under Wine it is blind
// wherever no window of Wine lies beneath the pointer, and a program that moves the pointer
// itself, or scaled coordinates, make it miss moves too. The first miss ends the trust for good
// and the timer keeps running, as without this. While resting, a slow poll of the position
// stands guard in case the system drops the hook.
//
// The hook runs on a thread of its own that does nothing else: every pointer move on the desktop
// waits for it, and the system removes a hook that answers late, which one on the user-interface
// thread would do whenever a launch or the shell's context menu blocks that thread.
#include <windows.h>

#include <functional>
#include <memory>

#include "framework/window.h"

class TPointerMoveHook;

class TPointerWake : private TWindow {
public:
  static constexpr UINT GuardIntervalMs = 1000;

  // `onWake` runs from the message loop when the pointer moves after Rest.
  explicit TPointerWake(std::function<void()> onWake);
  ~TPointerWake() override;

  // The pointer position the running timer saw at a tick. A move the hook did not report
  // shows that the hook cannot be trusted with the pointer.
  void Observe(POINT at);
  // True when a rest at `at` can be left to the hook: it has reported every move so far, and
  // the last one ended at `at`.
  bool CanRest(POINT at) const;
  bool Resting() const { return FResting; }
  // The pointer rests at `at`: watch for it to move.
  void Rest(POINT at);
  // Ends a rest without raising onWake.
  void Cancel();
  // Whether the hook is in place and still trusted; its thread installs it soon after this is made.
  bool Watching() const;

private:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Wake();

  std::function<void()> FOnWake;
  std::unique_ptr<TPointerMoveHook> FHook;  // none once it missed a move
  bool FResting = false;
  POINT FRestAt{};
  POINT FObserved{};
  bool FObservedAny = false;
};
