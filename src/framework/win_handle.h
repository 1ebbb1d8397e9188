#pragma once
// Owning wrappers for kernel and window-system handles: each closes its handle exactly once.
#include <windows.h>

#include <utility>

template <typename Traits>
class TUniqueHandle {
public:
  using Handle = typename Traits::Handle;

  TUniqueHandle() = default;
  explicit TUniqueHandle(Handle handle) : FHandle(handle) {}
  TUniqueHandle(TUniqueHandle&& other) noexcept : FHandle(other.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  ~TUniqueHandle() { Reset(); }

  Handle Get() const { return FHandle; }
  bool Valid() const { return FHandle != Traits::Invalid(); }
  explicit operator bool() const { return Valid(); }

  Handle Release() { return std::exchange(FHandle, Traits::Invalid()); }
  void Reset(Handle handle = Traits::Invalid()) {
    if (Valid()) Traits::Close(FHandle);
    FHandle = handle;
  }

private:
  Handle FHandle = Traits::Invalid();
};

struct TKernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::CloseHandle(h); }
};

// A file or folder opened with CreateFileW, which fails with INVALID_HANDLE_VALUE.
struct TFileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};

struct TFindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::FindClose(h); }
};

struct TChangeNotificationTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::FindCloseChangeNotification(h); }
};

struct TWindowHandleTraits {
  using Handle = HWND;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::DestroyWindow(h); }
};

using TKernelHandle = TUniqueHandle<TKernelHandleTraits>;
using TFileHandle = TUniqueHandle<TFileHandleTraits>;
using TFindHandle = TUniqueHandle<TFindHandleTraits>;
using TChangeNotificationHandle = TUniqueHandle<TChangeNotificationTraits>;

struct TMenuHandleTraits {
  using Handle = HMENU;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::DestroyMenu(h); }
};

struct TIconHandleTraits {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::DestroyIcon(h); }
};

using TMenuHandle = TUniqueHandle<TMenuHandleTraits>;
using TIconHandle = TUniqueHandle<TIconHandleTraits>;
