#pragma once
// A picture in memory with a canvas to draw on it. Pictures made here are 32-bit top-down DIB
// sections filled white; loaded ones keep their format.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/canvas.h"
#include "framework/color.h"
#include "framework/gdi_handle.h"

// The header of a 32-bit top-down DIB of the given size.
BITMAPINFO TopDownInfo(int width, int height);

class TBitmap {
public:
  TBitmap();
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return !FHandle; }
  HBITMAP Handle() const { return FHandle.Get(); }

  // A fresh white picture; a width or height below 1 empties the bitmap.
  void SetSize(int width, int height);
  void LoadFromFile(const std::wstring& path);
  // The bitmap resource of this program named `name`.
  void LoadFromResourceName(const std::wstring& name);
  // Copies the other picture; null or an empty one empties this bitmap.
  void Assign(const TBitmap* other);
  // Makes the picture monochrome, taking it as drawn on white paper: its ink (dark pixels)
  // becomes white, the rest black.
  void ReduceToMonochrome();

  // The canvas on the picture; valid until the picture is replaced.
  TCanvas& Canvas();
  // Takes the picture out of the canvas's context, for calls that select it themselves;
  // Canvas() puts it back.
  void FreeCanvas();

private:
  void Replace(HBITMAP bitmap);

  TBitmapHandle FHandle;
  int FWidth = 0;
  int FHeight = 0;
  TMemoryDC FDC;
  HGDIOBJ FOriginalBitmap = nullptr;
  std::unique_ptr<TCanvas> FCanvas;
};
