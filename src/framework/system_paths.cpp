#include "framework/system_paths.h"

#include <windows.h>

std::wstring ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring WindowsDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const UINT length = ::GetWindowsDirectoryW(path.data(), static_cast<UINT>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);  // the size needed, terminator included
  }
}

std::wstring ShortPathName(const std::wstring& path) {
  std::wstring shortPath(::GetShortPathNameW(path.c_str(), nullptr, 0), L'\0');
  const DWORD length = ::GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
  if (length == 0 || length >= shortPath.size()) return {};
  shortPath.resize(length);
  return shortPath;
}
