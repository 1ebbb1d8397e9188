#include "app/menu_folder.h"

std::wstring ExecutableFolder(std::wstring_view executablePath) {
  const size_t lastSeparator = executablePath.find_last_of(L"\\/:");
  if (lastSeparator == std::wstring_view::npos) return std::wstring();
  std::wstring_view folder = executablePath.substr(0, lastSeparator + 1);
  const bool driveRoot = folder.size() == 3 && folder[1] == L':';
  if (!driveRoot && folder.back() != L':') folder.remove_suffix(1);
  return std::wstring(folder);
}

std::wstring MenuFolderPath(std::wstring_view executablePath) {
  return ExecutableFolder(executablePath) + L"\\Menu";
}
