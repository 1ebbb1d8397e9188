#include "settings/ini_gt_system_host.h"

#include <windows.h>

#include "framework/system_paths.h"

namespace {

// The screen's device context, released with the object.
class TScreenDC {
public:
  TScreenDC() : FDC(::GetDC(nullptr)) {}
  ~TScreenDC() {
    if (FDC) ::ReleaseDC(nullptr, FDC);
  }
  TScreenDC(const TScreenDC&) = delete;
  TScreenDC& operator=(const TScreenDC&) = delete;
  HDC Get() const { return FDC; }

private:
  HDC FDC;
};

class TSystemIniGTHost final : public TIniGTHost {
public:
  std::wstring ExecutablePath() const override { return ::ExecutablePath(); }
  std::wstring WindowsDirectory() const override { return ::WindowsDirectory(); }

  std::int32_t ScreenPixelsPerInch() const override {
    constexpr std::int32_t Standard = 96;
    const TScreenDC screen;
    const int pixelsPerInch = screen.Get() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return pixelsPerInch > 0 ? pixelsPerInch : Standard;
  }

  void ShowWarning(const std::wstring& text) const override {
    ::MessageBoxW(::GetActiveWindow(), text.c_str(), L"警告", MB_OK | MB_ICONWARNING);
  }
};

}  // namespace

const TIniGTHost& SystemIniGTHost() {
  static const TSystemIniGTHost host;
  return host;
}
