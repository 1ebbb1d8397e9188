#pragma once
// An owned COM interface pointer: released exactly once, whichever way its scope is left.
#include <unknwn.h>

#include <utility>

template <typename T>
class TComPtr {
public:
  TComPtr() = default;
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;
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

  // For calls that hand out a new reference through an out parameter.
  T** Put() {
    Reset();
    return &FPointer;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  void Reset() {
    if (FPointer) std::exchange(FPointer, nullptr)->Release();
  }

  // The same object's interface I, or an empty pointer when it has none.
  template <typename I>
  TComPtr<I> As() const {
    TComPtr<I> other;
    if (FPointer) FPointer->QueryInterface(__uuidof(I), other.PutVoid());
    return other;
  }

private:
  T* FPointer = nullptr;
};
