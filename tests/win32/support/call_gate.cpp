#include "support/call_gate.h"

#include <algorithm>

void TCallGate::Pass() {
  std::unique_lock lock(FLock);
  if (FOpen) return;
  const std::uint64_t ticket = FCame++;
  FReleased.wait(lock, [&] { return FOpen || ticket < FLetGo; });
}

int TCallGate::Held() const {
  const std::lock_guard lock(FLock);
  return FOpen ? 0 : static_cast<int>(FCame - FLetGo);
}

std::uint64_t TCallGate::Came() const {
  const std::lock_guard lock(FLock);
  return FCame;
}

void TCallGate::Release(std::uint64_t count) {
  const std::lock_guard lock(FLock);
  FLetGo = std::max(FLetGo, std::min(count, FCame));
  FReleased.notify_all();
}

void TCallGate::Open() {
  const std::lock_guard lock(FLock);
  FOpen = true;
  FReleased.notify_all();
}
