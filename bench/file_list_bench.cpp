// How long TFileList takes to list a large folder, against a bare enumeration of the same
// folder in the same run. Usage: bench_file_list [entries] [rounds]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "folder/file_list.h"

namespace {

using Clock = std::chrono::steady_clock;

std::wstring MakeFolder(int entries) {
  wchar_t base[MAX_PATH + 1];
  ::GetTempPathW(MAX_PATH + 1, base);
  const std::wstring folder = std::wstring(base) + L"tamarind-bench-" + std::to_wstring(::GetCurrentProcessId());
  ::CreateDirectoryW(folder.c_str(), nullptr);
  for (int i = 0; i < entries; ++i) {
    // Mixed case and a folder every tenth entry, as a real menu folder has.
    const std::wstring name = folder + (i % 2 ? L"\\Item " : L"\\item ") + std::to_wstring(i * 7919 % entries);
    if (i % 10 == 0) {
      ::CreateDirectoryW(name.c_str(), nullptr);
      continue;
    }
    HANDLE file = ::CreateFileW((name + L".txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ::CloseHandle(file);
  }
  return folder;
}

void RemoveFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
  do {
    const std::wstring path = folder + L"\\" + found.cFileName;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ::RemoveDirectoryW(path.c_str());
    else
      ::DeleteFileW(path.c_str());
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  ::RemoveDirectoryW(folder.c_str());
}

// The least a listing must do: enumerate and sort the names.
size_t BareListing(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((folder + L"\\*.*").c_str(), &found);
  do names.emplace_back(found.cFileName);
  while (::FindNextFileW(search, &found));
  ::FindClose(search);
  std::sort(names.begin(), names.end());
  return names.size();
}

template <typename F>
double MedianMs(int rounds, F&& run) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const auto start = Clock::now();
    run();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int entries = argc > 1 ? std::atoi(argv[1]) : 5000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 9;
  const std::wstring folder = MakeFolder(entries);

  auto list = MakeComponent<TFileList>();
  using enum TFileAttr;
  list->SetFileType({ftReadOnly, ftHidden, ftSystem, ftDirectory, ftArchive, ftNormal});
  list->SetMask({L"*.*"});
  list->SetDirectory(folder);

  size_t bareCount = 0;
  const double bare = MedianMs(rounds, [&] { bareCount = BareListing(folder); });
  const double listed = MedianMs(rounds, [&] { list->Refresh(); });
  std::printf("entries %zu (bare %zu)\nbare enumeration + sort  %8.2f ms\nTFileList::Refresh        %8.2f ms\n"
              "ratio                     %8.2f\n",
              list->List().size(), bareCount, bare, listed, listed / bare);
  RemoveFolder(folder);
  return 0;
}
