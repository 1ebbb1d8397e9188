// Keeps one icon of its own in the notification area while the tray tests run.
// Wine hides its stand-alone tray window when the last icon leaves it, and with no window
// manager under Xvfb hiding a framed window waits two seconds for one; every test that removes
// its icon would pay that wait.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

namespace {

class TTrayKeeper : public ::testing::Environment {
public:
  void SetUp() override {
    FWindow = ::CreateWindowExW(0, L"STATIC", L"tray keeper", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    FData.cbSize = sizeof(FData);
    FData.hWnd = FWindow;
    FData.uID = 1;
    FData.uFlags = NIF_ICON;
    FData.hIcon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_INFORMATION));
    FAdded = FWindow && ::Shell_NotifyIconW(NIM_ADD, &FData);
  }
  void TearDown() override {
    if (FAdded) ::Shell_NotifyIconW(NIM_DELETE, &FData);
    if (FWindow) ::DestroyWindow(FWindow);
  }

private:
  HWND FWindow = nullptr;
  NOTIFYICONDATAW FData{};
  bool FAdded = false;
};

[[maybe_unused]] ::testing::Environment* const Keeper = ::testing::AddGlobalTestEnvironment(new TTrayKeeper);

}  // namespace
