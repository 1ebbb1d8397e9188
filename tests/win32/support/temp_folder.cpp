#include "support/temp_folder.h"

#include <windows.h>

#include <stdexcept>

void RemoveTree(const std::wstring& path) {
  // Long-path form, so folders nested beyond 260 characters go too.
  if (!path.starts_with(L"\\\\?\\")) return RemoveTree(L"\\\\?\\" + path);
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(child);
      else
        ::DeleteFileW(child.c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
  }
  ::RemoveDirectoryW(path.c_str());
}

TTempFolder::TTempFolder() {
  wchar_t base[MAX_PATH + 1];
  ::GetTempPathW(MAX_PATH + 1, base);
  static unsigned counter = 0;
  for (;;) {
    FPath = std::wstring(base) + L"tamarind-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    if (::CreateDirectoryW(FPath.c_str(), nullptr)) return;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create a temporary folder");
  }
}

TTempFolder::~TTempFolder() { RemoveTree(FPath); }

std::wstring TTempFolder::MakeFolder(const std::wstring& relativePath) const {
  std::wstring path = FPath;
  size_t start = 0;
  while (start <= relativePath.size()) {
    const size_t end = relativePath.find(L'\\', start);
    path += L"\\" + relativePath.substr(start, end - start);
    ::CreateDirectoryW(path.c_str(), nullptr);
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return path;
}

std::wstring TTempFolder::WriteFile(const std::wstring& relativePath, const std::string& content) const {
  const size_t slash = relativePath.rfind(L'\\');
  if (slash != std::wstring::npos) MakeFolder(relativePath.substr(0, slash));
  const std::wstring path = *this / relativePath;
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create a test file");
  DWORD written = 0;
  ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  ::CloseHandle(file);
  return path;
}
