#pragma once
// Lets the gesture timer stop while the pointer rests, and starts it again on the first
// movement. The system's low-level mouse hook reports that movement at once. The hook is
// blind under Wine wherever no window of Wine lies beneath the pointer, and the system drops a
// hook that answers too slowly; so resting is worth it only once the hook has reported a
// movement, and while resting a slow poll of the position stands guard.
#include <windows.h>

#include <functional>

#include "framework/window.h"

class TPointerWake : private TWindow {
public:
  static constexpr UINT GuardIntervalMs = 1000;

  // `onWake` runs from the message loop when the pointer moves after Rest.
  explicit TPointerWake(std::function<void()> onWake);
  ~TPointerWake() override;

  // True once the hook has reported a movement: the pointer is known to be watched.
  bool HookProven() const { return FHookProven; }
  bool Resting() const { return FResting; }
  // The pointer rests at `at`: watch for it to move.
  void Rest(POINT at);
  // Ends a rest without raising onWake.
  void Cancel();

private:
  static LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam);
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void InstallHook();
  void RemoveHook();
  void Wake();

  std::function<void()> FOnWake;
  HHOOK FHook = nullptr;
  bool FHookProven = false;
  bool FMovePosted = false;
  bool FResting = false;
  POINT FRestAt{};
};
