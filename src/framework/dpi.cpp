#include "framework/dpi.h"

#include "framework/canvas.h"
#include "framework/dpi_scale.h"
#include "framework/gdi_handle.h"

namespace {

// MDT_EFFECTIVE_DPI
constexpr int EffectiveDpi = 0;

using TGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using TGetSystemMetricsForDpi = int(WINAPI*)(int, UINT);

// Looked up once: the calls exist from Windows 8.1 and 10 on. Loaded from System32 only: shcore
// is not there on Windows 7, and a bare name would then find one planted beside the exe.
template <typename T>
T SystemCall(const wchar_t* module, const char* name) {
  HMODULE handle = ::GetModuleHandleW(module);
  // Stays loaded for the process's life.
  if (!handle) handle = ::LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return handle ? reinterpret_cast<T>(reinterpret_cast<void*>(::GetProcAddress(handle, name))) : nullptr;
}

}  // namespace

int SystemDpi() {
  const TScreenDC screen;
  const int dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return dpi > 0 ? dpi : DesignDpi;
}

int MonitorDpiAt(TPoint point) {
  static const auto getDpiForMonitor = SystemCall<TGetDpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (getDpiForMonitor &&
      SUCCEEDED(getDpiForMonitor(::MonitorFromPoint({point.X, point.Y}, MONITOR_DEFAULTTONEAREST), EffectiveDpi, &x, &y)) &&
      y > 0)
    return static_cast<int>(y);
  return SystemDpi();
}

TRect WorkAreaAt(TPoint point) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (::GetMonitorInfoW(::MonitorFromPoint({point.X, point.Y}, MONITOR_DEFAULTTONEAREST), &info))
    return FromWinRect(info.rcWork);
  return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

int SmallIconSize(int dpi) {
  static const auto metricsForDpi = SystemCall<TGetSystemMetricsForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
  const int size = metricsForDpi ? metricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi)) : 0;
  if (size > 0) return size;
  // The system's own size holds for its DPI; other DPIs scale the design size.
  return dpi == SystemDpi() ? ::GetSystemMetrics(SM_CXSMICON) : SmallIconSizeForDpi(dpi);
}
