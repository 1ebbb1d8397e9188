#include "framework/bitmap.h"

#include <algorithm>
#include <vector>

#include "framework/exception.h"
#include "framework/monochrome.h"
#include "texts/texts.h"

BITMAPINFO TopDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

namespace {

HBITMAP CreateWhiteDib(int width, int height) {
  const BITMAPINFO info = TopDownInfo(width, height);
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) throw Exception(Text(TText::NoBitmap, {std::to_wstring(width), std::to_wstring(height)}));
  ::GdiFlush();
  std::fill_n(static_cast<std::uint32_t*>(bits), static_cast<size_t>(width) * height, 0x00FFFFFFu);
  return bitmap;
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() { FreeCanvas(); }

void TBitmap::FreeCanvas() {
  if (FCanvas) FCanvas->Unbind();
  if (FDC && FOriginalBitmap) ::SelectObject(FDC.Get(), FOriginalBitmap);
  FOriginalBitmap = nullptr;
}

void TBitmap::Replace(HBITMAP bitmap) {
  FreeCanvas();
  FHandle.Reset();
  FWidth = FHeight = 0;
  if (!bitmap) return;
  BITMAP info{};
  ::GetObjectW(bitmap, sizeof(info), &info);
  FHandle.Reset(bitmap);
  FWidth = info.bmWidth;
  FHeight = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
}

TCanvas& TBitmap::Canvas() {
  if (!FDC) {
    FDC.Reset(::CreateCompatibleDC(nullptr));
    if (!FDC) throw Exception(Text(TText::NoBitmapContext));
  }
  if (!FCanvas) FCanvas = std::make_unique<TCanvas>();
  if (FHandle && !FOriginalBitmap) FOriginalBitmap = ::SelectObject(FDC.Get(), FHandle.Get());
  FCanvas->Bind(FDC.Get());
  return *FCanvas;
}

void TBitmap::SetSize(int width, int height) {
  Replace(width > 0 && height > 0 ? CreateWhiteDib(width, height) : nullptr);
}

void TBitmap::LoadFromFile(const std::wstring& path) {
  HANDLE image = ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if (!image) throw Exception(Text(TText::BitmapUnreadable, {path}));
  Replace(static_cast<HBITMAP>(image));
}

void TBitmap::LoadFromResourceName(const std::wstring& name) {
  HANDLE image = ::LoadImageW(::GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  if (!image) throw Exception(Text(TText::BitmapResourceUnreadable, {name}));
  Replace(static_cast<HBITMAP>(image));
}

void TBitmap::Assign(const TBitmap* other) {
  if (other == this) return;
  if (!other || other->Empty()) {
    Replace(nullptr);
    return;
  }
  TBitmap& source = const_cast<TBitmap&>(*other);  // its canvas is only read
  SetSize(source.Width(), source.Height());
  ::BitBlt(Canvas().Handle(), 0, 0, FWidth, FHeight, source.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TBitmap::ReduceToMonochrome() {
  if (Empty()) return;
  std::vector<std::uint32_t> pixels(static_cast<size_t>(FWidth) * FHeight);
  BITMAPINFO info = TopDownInfo(FWidth, FHeight);
  HDC dc = Canvas().Handle();
  FreeCanvas();  // GetDIBits wants the picture selected nowhere
  const int rows = ::GetDIBits(dc, FHandle.Get(), 0, static_cast<UINT>(FHeight), pixels.data(), &info, DIB_RGB_COLORS);
  if (rows != FHeight) throw Exception(Text(TText::BitmapPixelsUnreadable));
  const std::vector<std::uint8_t> bits = MonochromeRows(pixels, FWidth, FHeight);
  HBITMAP mono = ::CreateBitmap(FWidth, FHeight, 1, 1, bits.data());
  if (!mono) throw Exception(Text(TText::NoMonochromeBitmap));
  Replace(mono);
}
