#include "framework/canvas.h"

#include "framework/bitmap.h"
#include "framework/exception.h"
#include "framework/gdi_handle.h"
#include "framework/system_colors.h"
#include "texts/texts.h"

RECT ToWinRect(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
TRect FromWinRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

TCanvas::TCanvas() {
  FBrush.OnChanging = [this] { DeselectBrush(); };
  FPen.OnChanging = [this] { DeselectPen(); };
  FFont.OnChanging = [this] { DeselectFont(); };
}

TCanvas::~TCanvas() { Unbind(); }

void TCanvas::Bind(HDC dc) {
  if (dc == FDC) return;
  Unbind();
  FDC = dc;
}

void TCanvas::Unbind() {
  if (!FDC) return;
  DeselectBrush();
  DeselectPen();
  DeselectFont();
  FDC = nullptr;
}

HDC TCanvas::Handle() const {
  if (!FDC) throw Exception(Text(TText::CanvasUnbound));
  return FDC;
}

void TCanvas::SetColorScheme(const TColorScheme* scheme) {
  FScheme = scheme;
  FBrush.SetColorScheme(scheme);
  FPen.SetColorScheme(scheme);
}

void TCanvas::SelectBrush() {
  HDC dc = Handle();
  HGDIOBJ previous = ::SelectObject(dc, FBrush.Handle());
  if (!FOriginalBrush) FOriginalBrush = previous;
  if (FBrush.Style() == TBrushStyle::bsClear) {
    ::SetBkMode(dc, TRANSPARENT);
  } else {
    ::SetBkMode(dc, OPAQUE);
    ::SetBkColor(dc, ColorToRGB(FBrush.Color(), FScheme));
  }
}

void TCanvas::SelectPen() {
  HGDIOBJ previous = ::SelectObject(Handle(), FPen.Handle());
  if (!FOriginalPen) FOriginalPen = previous;
}

void TCanvas::SelectFont() {
  HDC dc = Handle();
  // Ours stays selected until the font changes or the canvas lets go; selecting a font again
  // is not free (several microseconds under Wine, per text).
  if (!FOriginalFont) FOriginalFont = ::SelectObject(dc, FFont.Handle());
  ::SetTextColor(dc, ColorToRGB(FFont.Color(), FScheme));
}

void TCanvas::DeselectBrush() {
  if (FDC && FOriginalBrush) ::SelectObject(FDC, FOriginalBrush);
  FOriginalBrush = nullptr;
}

void TCanvas::DeselectPen() {
  if (FDC && FOriginalPen) ::SelectObject(FDC, FOriginalPen);
  FOriginalPen = nullptr;
}

void TCanvas::DeselectFont() {
  if (FDC && FOriginalFont) ::SelectObject(FDC, FOriginalFont);
  FOriginalFont = nullptr;
}

void TCanvas::FillRect(const TRect& rect) {
  SelectBrush();
  const RECT r = ToWinRect(rect);
  ::FillRect(FDC, &r, FBrush.Handle());
}

void TCanvas::FillRectWith(const TRect& rect, TColor color) {
  TBrushHandle brush(::CreateSolidBrush(ColorToRGB(color, FScheme)));
  if (!brush) throw Exception(Text(TText::NoBrush));
  FillRectWith(rect, brush.Get());
}

void TCanvas::FillRectWith(const TRect& rect, HBRUSH brush) {
  const RECT r = ToWinRect(rect);
  ::FillRect(Handle(), &r, brush);
}

void TCanvas::CopyRect(const TRect& to, TCanvas& source, const TRect& from) {
  HDC dc = Handle();
  ::StretchBlt(dc, to.Left, to.Top, to.Width(), to.Height(), source.Handle(), from.Left, from.Top, from.Width(),
               from.Height(), SRCCOPY);
}

void TCanvas::RasterCopy(int x, int y, TBitmap& source, DWORD rop, COLORREF foreground, COLORREF background) {
  SelectBrush();
  const COLORREF oldText = ::SetTextColor(FDC, foreground);
  const COLORREF oldBack = ::SetBkColor(FDC, background);
  ::BitBlt(FDC, x, y, source.Width(), source.Height(), source.Canvas().Handle(), 0, 0, rop);
  ::SetTextColor(FDC, oldText);
  ::SetBkColor(FDC, oldBack);
}

void TCanvas::StretchTransparent(const TRect& to, TBitmap& bitmap, TColor transparent) {
  // gdi32's own form: msimg32 is no KnownDLL, so a copy beside the exe would be loaded instead.
  ::GdiTransparentBlt(Handle(), to.Left, to.Top, to.Width(), to.Height(), bitmap.Canvas().Handle(), 0, 0, bitmap.Width(),
                   bitmap.Height(), ColorToRGB(transparent, FScheme));
}

void TCanvas::DrawIconAt(int x, int y, HICON icon) { ::DrawIcon(Handle(), x, y, icon); }

int TCanvas::TextInRect(TRect& rect, std::wstring_view text, UINT format) {
  SelectFont();
  SelectBrush();
  RECT r = ToWinRect(rect);
  const int height = ::DrawTextW(FDC, text.data(), static_cast<int>(text.size()), &r, format);
  if (format & DT_CALCRECT) rect = FromWinRect(r);
  return height;
}

void TCanvas::TextAt(int x, int y, std::wstring_view text) {
  SelectFont();
  SelectBrush();
  ::TextOutW(FDC, x, y, text.data(), static_cast<int>(text.size()));
}

SIZE TCanvas::TextSize(std::wstring_view text) {
  SelectFont();
  SIZE size{};
  ::GetTextExtentPoint32W(FDC, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

void TCanvas::TextClipped(int x, int y, const TRect& clip, std::wstring_view text) {
  SelectFont();
  SelectBrush();
  const RECT r = ToWinRect(clip);
  ::ExtTextOutW(FDC, x, y, ETO_CLIPPED, &r, text.data(), static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::Edge(const TRect& rect, UINT edge, UINT flags) {
  RECT r = ToWinRect(rect);
  ::DrawEdge(Handle(), &r, edge, flags);
}

void TCanvas::MoveTo(int x, int y) { ::MoveToEx(Handle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  SelectPen();
  ::LineTo(FDC, x, y);
}

void TCanvas::FocusRect(const TRect& rect) {
  const RECT r = ToWinRect(rect);
  ::DrawFocusRect(Handle(), &r);
}
