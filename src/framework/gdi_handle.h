#pragma once
// Owning wrappers for drawing objects: each is deleted exactly once, and never while it is
// still selected into a device context (the canvas puts the original objects back first).
#include <windows.h>
#include <commctrl.h>

#include "framework/win_handle.h"

template <typename H>
struct TGdiObjectTraits {
  using Handle = H;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::DeleteObject(h); }
};

struct TMemoryDCTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::DeleteDC(h); }
};

struct TImageListTraits {
  using Handle = HIMAGELIST;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::ImageList_Destroy(h); }
};

using TFontHandle = TUniqueHandle<TGdiObjectTraits<HFONT>>;
using TBitmapHandle = TUniqueHandle<TGdiObjectTraits<HBITMAP>>;
using TBrushHandle = TUniqueHandle<TGdiObjectTraits<HBRUSH>>;
using TPenHandle = TUniqueHandle<TGdiObjectTraits<HPEN>>;
using TMemoryDC = TUniqueHandle<TMemoryDCTraits>;
using TImageListHandle = TUniqueHandle<TImageListTraits>;

// The screen's device context, for measuring; released when it goes out of scope.
class TScreenDC {
public:
  TScreenDC();
  ~TScreenDC();
  TScreenDC(const TScreenDC&) = delete;
  TScreenDC& operator=(const TScreenDC&) = delete;
  HDC Get() const { return FDC; }

private:
  HDC FDC;
};
