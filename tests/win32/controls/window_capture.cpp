#include "window_capture.h"

#include <objbase.h>
#include <gdiplus.h>

#include <stdexcept>

#include "framework/bitmap.h"
#include "framework/system_paths.h"

namespace {

class TClientDC {
public:
  // Children included: the capture shows what the user sees.
  explicit TClientDC(HWND window) : FWindow(window), FDC(::GetDCEx(window, nullptr, DCX_CACHE)) {}
  ~TClientDC() { ::ReleaseDC(FWindow, FDC); }
  TClientDC(const TClientDC&) = delete;
  TClientDC& operator=(const TClientDC&) = delete;
  HDC Get() const { return FDC; }

private:
  HWND FWindow;
  HDC FDC;
};

class TGdiPlus {
public:
  TGdiPlus() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&FToken, &input, nullptr) != Gdiplus::Ok) throw std::runtime_error("GDI+ startup");
  }
  ~TGdiPlus() { Gdiplus::GdiplusShutdown(FToken); }
  TGdiPlus(const TGdiPlus&) = delete;
  TGdiPlus& operator=(const TGdiPlus&) = delete;

private:
  ULONG_PTR FToken = 0;
};

// The system's PNG encoder.
const CLSID PngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

}  // namespace

TWindowCapture::TWindowCapture(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  FWidth = client.right;
  FHeight = client.bottom;
  BITMAPINFO info = TopDownInfo(FWidth, FHeight);
  void* bits = nullptr;
  FBitmap.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!FBitmap) throw std::runtime_error("no capture bitmap");
  FBits = static_cast<const DWORD*>(bits);

  const TClientDC source(window);
  const TMemoryDC target(::CreateCompatibleDC(source.Get()));
  const HGDIOBJ old = ::SelectObject(target.Get(), FBitmap.Get());
  ::BitBlt(target.Get(), 0, 0, FWidth, FHeight, source.Get(), 0, 0, SRCCOPY);
  ::SelectObject(target.Get(), old);
  ::GdiFlush();
}

COLORREF TWindowCapture::Pixel(int x, int y) const {
  const DWORD rgb = FBits[y * FWidth + x];
  return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

bool TWindowCapture::SameArea(const RECT& a, const RECT& b) const {
  for (int y = 0; y < a.bottom - a.top; ++y)
    for (int x = 0; x < a.right - a.left; ++x)
      if (Pixel(a.left + x, a.top + y) != Pixel(b.left + x, b.top + y)) return false;
  return true;
}

void TWindowCapture::SavePng(const std::wstring& fileName) const {
  std::wstring path = ExecutablePath();
  path.replace(path.find_last_of(L'\\') + 1, std::wstring::npos, fileName);
  const TGdiPlus gdiPlus;
  Gdiplus::GpBitmap* image = nullptr;
  if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(FBitmap.Get(), nullptr, &image) != Gdiplus::Ok)
    throw std::runtime_error("no GDI+ bitmap");
  const auto status = Gdiplus::DllExports::GdipSaveImageToFile(image, path.c_str(), &PngEncoder, nullptr);
  Gdiplus::DllExports::GdipDisposeImage(image);
  if (status != Gdiplus::Ok) throw std::runtime_error("PNG not saved");
}
