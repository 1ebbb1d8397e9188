#pragma once
// A drawing surface bound to a device context it does not own. Brush, pen and font are its
// own and survive rebinding; they are selected when an operation needs them, and the
// context's original objects are put back when the canvas lets go of it.
#include <windows.h>

#include <string_view>

#include "framework/brush.h"
#include "framework/font.h"
#include "framework/geometry.h"
#include "framework/pen.h"

class TBitmap;

class TCanvas {
public:
  TCanvas();
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  void Bind(HDC dc);
  void Unbind();
  bool Bound() const { return FDC != nullptr; }
  HDC Handle() const;

  TBrush& Brush() { return FBrush; }
  TPen& Pen() { return FPen; }
  TFont& Font() { return FFont; }
  // Where the canvas takes system colour references from; not owned, null for the system.
  void SetColorScheme(const TColorScheme* scheme);

  void FillRect(const TRect& rect);
  // Fills with a colour or a brush of its own, leaving the canvas's brush as it is.
  void FillRectWith(const TRect& rect, TColor color);
  void FillRectWith(const TRect& rect, HBRUSH brush);
  // Copies `from` of `source` onto `to`, stretching when the sizes differ.
  void CopyRect(const TRect& to, TCanvas& source, const TRect& from);
  // Copies the whole of `source` to (x, y) with a raster operation that may use the brush;
  // a monochrome source's white and black become `background` and `foreground`.
  void RasterCopy(int x, int y, TBitmap& source, DWORD rop, COLORREF foreground, COLORREF background);
  // Stretches `bitmap` onto `to`, leaving out the pixels of `transparent`.
  void StretchTransparent(const TRect& to, TBitmap& bitmap, TColor transparent);
  void DrawIconAt(int x, int y, HICON icon);

  // Draws text in `rect` with DT_* `format`; with DT_CALCRECT only measures, and `rect` takes
  // the text's size. Returns the text height.
  int TextInRect(TRect& rect, std::wstring_view text, UINT format);
  void TextAt(int x, int y, std::wstring_view text);
  // The size of `text` as one line in the canvas's font, every character taken as it is.
  SIZE TextSize(std::wstring_view text);
  // Draws `text` from (x, y), nothing of it outside `clip`.
  void TextClipped(int x, int y, const TRect& clip, std::wstring_view text);

  void Edge(const TRect& rect, UINT edge, UINT flags);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void FocusRect(const TRect& rect);

private:
  void SelectBrush();
  void SelectPen();
  void SelectFont();
  void DeselectBrush();
  void DeselectPen();
  void DeselectFont();

  HDC FDC = nullptr;
  TBrush FBrush;
  TPen FPen;
  TFont FFont;
  const TColorScheme* FScheme = nullptr;
  // The context's own objects, while ours are selected.
  HGDIOBJ FOriginalBrush = nullptr;
  HGDIOBJ FOriginalPen = nullptr;
  HGDIOBJ FOriginalFont = nullptr;
};

RECT ToWinRect(const TRect& rect);
TRect FromWinRect(const RECT& rect);
