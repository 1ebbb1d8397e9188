#include "settings/ini_gt_system_host.h"

#include <windows.h>

#include "framework/exception.h"
#include "framework/gdi_handle.h"
#include "framework/system_paths.h"
#include "texts/texts.h"

namespace {

class TSystemIniGTHost final : public TIniGTHost {
public:
  std::wstring ExecutablePath() const override { return ::ExecutablePath(); }
  std::wstring WindowsDirectory() const override { return ::WindowsDirectory(); }

  std::int32_t ScreenPixelsPerInch() const override {
    constexpr std::int32_t Standard = 96;
    try {
      const TScreenDC screen;
      const int pixelsPerInch = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
      return pixelsPerInch > 0 ? pixelsPerInch : Standard;
    } catch (const Exception&) {
      return Standard;  // no screen to ask, as in a service's session
    }
  }

  void ShowWarning(const std::wstring& text) const override {
    ::MessageBoxW(::GetActiveWindow(), text.c_str(), Text(TText::Warning).c_str(), MB_OK | MB_ICONWARNING);
  }
};

}  // namespace

const TIniGTHost& SystemIniGTHost() {
  static const TSystemIniGTHost host;
  return host;
}
