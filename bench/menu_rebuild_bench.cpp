// How long the launcher takes to rebuild a large top level, against a bare build of the same
// names in the same run: list the folder with FindFirstFileW and AppendMenuW each name to a
// plain menu (no owner drawing, no icons). The item pass is a rebuild without icons; the icon
// pass is what icons add, in the first build (icons fetched) and the second (icons cached).
// Usage: bench_menu_rebuild [entries] [rounds] [kind: plain|programs]
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/win_main.h"
#include "folder/dir_monitor.h"
#include "folder/menu_folder.h"
#include "framework/com_ptr.h"
#include "framework/system_paths.h"
#include "settings/menu_build_settings.h"
#include "support/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

void SaveShellLink(const std::wstring& shortcut, const std::wstring& target) {
  TComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid()))) return;
  link->SetPath(target.c_str());
  if (const TComPtr<IPersistFile> file = link.As<IPersistFile>()) file->Save(shortcut.c_str(), TRUE);
}

// A folder as a real menu folder has it: mixed case, a sub-folder every tenth entry, documents
// of a handful of types; with `programs`, every fifth entry a program and every fifth a shortcut.
void FillMenuFolder(const std::wstring& folder, int entries, bool programs) {
  static const wchar_t* const Types[] = {L".txt", L".html", L".pdf", L".doc", L".png"};
  ::CreateDirectoryW(folder.c_str(), nullptr);
  for (int i = 0; i < entries; ++i) {
    const std::wstring name = folder + (i % 2 ? L"\\Item " : L"\\item ") + std::to_wstring(i * 7919 % entries);
    if (i % 10 == 0) {
      ::CreateDirectoryW(name.c_str(), nullptr);
    } else if (programs && i % 5 == 1) {
      ::CopyFileW(ExecutablePath().c_str(), (name + L".exe").c_str(), FALSE);
    } else if (programs && i % 5 == 2) {
      SaveShellLink(name + L".lnk", ExecutablePath());
    } else {
      HANDLE file = ::CreateFileW((name + Types[i % 5]).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      ::CloseHandle(file);
    }
  }
}

size_t BareBuild(const std::wstring& folder) {
  HMENU menu = ::CreatePopupMenu();
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((folder + L"\\*.*").c_str(), &found);
  UINT id = 1;
  do ::AppendMenuW(menu, MF_STRING, id++, found.cFileName);
  while (::FindNextFileW(search, &found));
  ::FindClose(search);
  const size_t count = static_cast<size_t>(::GetMenuItemCount(menu));
  ::DestroyMenu(menu);
  return count;
}

template <typename F>
double Ms(F&& run) {
  const auto start = Clock::now();
  run();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <typename F>
double MedianMs(int rounds, F&& run) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) times.push_back(Ms(run));
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int entries = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  const bool programs = argc > 3 && std::string(argv[3]) == "programs";
  ::OleInitialize(nullptr);
  const std::wstring folder = MenuFolderPath(ExecutablePath());
  RemoveTree(folder);
  FillMenuFolder(folder, entries, programs);

  TMenuBuildValues settings;
  auto win = MakeComponent<TWinMain>();
  win->FormCreate(win.get());
  win->DirMon().SetActive(false);
  win->SetMenuBuildSettings(&settings);

  settings.SetShowIcons(true);
  const double firstBuild = Ms([&] { win->RebuildMenu(); });
  const double secondBuild = Ms([&] { win->RebuildMenu(); });
  settings.SetShowIcons(false);
  const double itemPass = MedianMs(rounds, [&] { win->RebuildMenu(); });
  const double bare = MedianMs(rounds, [&] { BareBuild(folder); });

  std::printf("entries %d%s, median of %d\n", entries, programs ? " (programs and shortcuts)" : "", rounds);
  std::printf("bare FindFirstFileW + AppendMenuW   %9.2f ms\n", bare);
  std::printf("item pass (rebuild without icons)   %9.2f ms   ratio %.2f\n", itemPass, itemPass / bare);
  std::printf("icon pass, first build              %9.2f ms\n", firstBuild - itemPass);
  std::printf("icon pass, second build             %9.2f ms\n", secondBuild - itemPass);
  win.reset();
  RemoveTree(folder);
  ::OleUninitialize();
  return 0;
}
