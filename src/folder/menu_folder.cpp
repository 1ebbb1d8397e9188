#include "folder/menu_folder.h"

std::wstring FolderOf(std::wstring_view path) {
  const size_t lastSeparator = path.find_last_of(L"\\/:");
  if (lastSeparator == std::wstring_view::npos) return std::wstring();
  std::wstring_view folder = path.substr(0, lastSeparator + 1);
  const bool driveRoot = folder.size() == 3 && folder[1] == L':';
  if (!driveRoot && folder.back() != L':') folder.remove_suffix(1);
  return std::wstring(folder);
}

std::wstring MenuFolderPath(std::wstring_view executablePath) {
  return FolderOf(executablePath) + L"\\Menu";
}

std::wstring FolderPathOf(std::wstring_view listedPath) {
  const size_t lastSeparator = listedPath.find_last_of(L"\\/:");
  const std::wstring_view name = listedPath.substr(lastSeparator == std::wstring_view::npos ? 0 : lastSeparator + 1);
  const std::wstring_view unbracketed = name.size() >= 2 ? name.substr(1, name.size() - 2) : std::wstring_view();
  return FolderOf(listedPath) + L"\\" + std::wstring(unbracketed);
}

std::wstring FolderCaptionOf(std::wstring_view folder) {
  while (folder.size() > 1 && (folder.back() == L'\\' || folder.back() == L'/')) folder.remove_suffix(1);
  const size_t lastSeparator = folder.find_last_of(L"\\/");
  const std::wstring_view name = lastSeparator == std::wstring_view::npos ? folder : folder.substr(lastSeparator + 1);
  return L"<" + std::wstring(name) + L">";
}
