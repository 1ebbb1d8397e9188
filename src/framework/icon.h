#pragma once
// An icon picture, owned: it tells its subscriber whenever the picture changes.
#include <windows.h>

#include <functional>

#include "framework/win_handle.h"

class TIcon {
public:
  TIcon() = default;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;

  HICON Handle() const { return FHandle.Get(); }
  bool Empty() const { return !FHandle; }

  // Takes ownership of `icon` (may be null, which empties the picture).
  void SetHandle(HICON icon);
  // Copies the other icon's picture.
  void Assign(const TIcon& other);
  void Clear() { SetHandle(nullptr); }
  // The icon resource `id` of this program, at the given size in pixels.
  void LoadFromResource(int id, int size);

  std::function<void()> OnChange;

private:
  TIconHandle FHandle;
};
