#pragma once
// Owner of one COM interface reference: released exactly once, on every path.
#include <unknwn.h>

#include <utility>

template <typename T>
class TComPtr {
public:
  TComPtr() = default;
  TComPtr(TComPtr&& other) noexcept : FPointer(std::exchange(other.FPointer, nullptr)) {}
  TComPtr& operator=(TComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      FPointer = std::exchange(other.FPointer, nullptr);
    }
    return *this;
  }
  ~TComPtr() { Reset(); }

  T* Get() const { return FPointer; }
  T* operator->() const { return FPointer; }
  explicit operator bool() const { return FPointer != nullptr; }

  // For calls that hand out a new reference: whatever was held is released first.
  T** Out() {
    Reset();
    return &FPointer;
  }
  void** OutVoid() { return reinterpret_cast<void**>(Out()); }

  void Reset() {
    if (FPointer) std::exchange(FPointer, nullptr)->Release();
  }

private:
  T* FPointer = nullptr;
};
