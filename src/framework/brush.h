#pragma once
// The fill of a canvas: a solid colour, an 8 x 8 pattern, or nothing (clear). Changing it drops
// the handle; the canvas that has it selected is told first.
#include <windows.h>

#include <functional>

#include "framework/color.h"
#include "framework/gdi_handle.h"

class TBitmap;

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
public:
  TBrush() = default;
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  // Setting a colour makes the brush solid again.
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style);
  // A pattern, not owned: it wins over colour and style while set.
  const TBitmap* Bitmap() const { return FBitmap; }
  void SetBitmap(const TBitmap* bitmap);

  // Where system colour references come from; not owned, null for the system itself.
  void SetColorScheme(const TColorScheme* scheme);

  HBRUSH Handle();

  std::function<void()> OnChanging;

private:
  void Changing();

  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
  const TBitmap* FBitmap = nullptr;
  const TColorScheme* FScheme = nullptr;
  TBrushHandle FHandle;
};
