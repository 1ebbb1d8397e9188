// Program entry: one instance per session, which a second start hands its request to; a
// hidden main window, then the message loop.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/second_start.h"
#include "app/start_request.h"

#include "app/win_main.h"
#include "framework/application.h"
#include "framework/com_apartment.h"
#include "framework/win_handle.h"
#include "settings/ini_gt_system_host.h"
#include "settings/settings_file.h"

namespace {

constexpr wchar_t InstanceMutexName[] = L"Lindenholt_Tamarind";

// The mutex that marks the running instance, or nothing when another instance has it.
TKernelHandle ClaimInstance() {
  if (TKernelHandle existing{::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, InstanceMutexName)}) return {};
  TKernelHandle mine{::CreateMutexW(nullptr, FALSE, InstanceMutexName)};
  // Two starts at the same moment both miss the open; only the creator of the mutex stays.
  if (mine && ::GetLastError() == ERROR_ALREADY_EXISTS) return {};
  return mine;
}

// The folder the command line names, as typed; empty for none.
std::wstring FolderOnCommandLine() {
  int count = 0;
  const std::unique_ptr<wchar_t*, decltype(&::LocalFree)> arguments(::CommandLineToArgvW(::GetCommandLineW(), &count),
                                                                    &::LocalFree);
  if (!arguments || count < 2) return {};
  const std::vector<std::wstring> words(arguments.get() + 1, arguments.get() + count);
  return FolderArgument(words);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The current folder (Downloads, say) is never searched for DLLs. Not SetDefaultDllDirectories:
  // shell extensions in the context menu load DLLs that lie beside them.
  ::SetDllDirectoryW(L"");
  // Before any text: a second start may have a message to show.
  SetLanguage(InterfaceLanguage(SystemIniGTHost(), ::GetUserDefaultUILanguage()));
  const std::wstring folder = FolderOnCommandLine();
  const TKernelHandle instance = ClaimInstance();
  if (!instance) {
    HandOverToRunningCopy(folder);
    return 0;
  }

  const TComApartment apartment(TApartmentUse::auUserInterface);
  TApplication& application = Application();
  HWND applicationWindow = application.Handle();
  ::SetWindowLongW(applicationWindow, GWL_EXSTYLE, ::GetWindowLongW(applicationWindow, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  application.SetTitle(L"Tamarind");
  TWinMain& winMain = application.CreateForm<TWinMain>();
  winMain.CreateSettingsDialog(SystemIniGTHost());
  if (!folder.empty()) winMain.OpenOnStart(folder);
  application.Run();
  return 0;
}
