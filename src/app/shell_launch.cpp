#include "app/shell_launch.h"

#include <windows.h>
#include <shellapi.h>

#include <thread>

#include "folder/menu_folder.h"
#include "framework/com_apartment.h"

namespace {

void Launch(const std::wstring& path, const std::wstring& workingFolder) {
  // The shell's handlers for a type may be COM objects that want a single-threaded apartment.
  const TComApartment apartment;
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  // The thread ends when the call returns, so the shell must finish its work (a DDE
  // conversation, a handler's own thread) within the call. No SEE_MASK_FLAG_NO_UI: a double
  // click shows the shell's messages, and the security prompt of a downloaded program is one of
  // them; with the flag such a launch would simply fail. Shown without an owner, the messages
  // hold back only this thread.
  info.fMask = SEE_MASK_NOASYNC;
  info.lpVerb = L"open";
  info.lpFile = path.c_str();
  info.lpDirectory = workingFolder.c_str();
  info.nShow = SW_SHOWNORMAL;
  // What failed has been told by the shell's own message, as after a double click.
  ::ShellExecuteExW(&info);
}

}  // namespace

void LaunchWithShell(const std::wstring& path) {
  // Only the foreground process may hand the foreground on, and the started process is not
  // known yet (nor is it always a new one: a document may go to a program already running):
  // every process may take it, until the user's next input.
  ::AllowSetForegroundWindow(ASFW_ANY);
  std::thread(Launch, path, FolderOf(path)).detach();
}
