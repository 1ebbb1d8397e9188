#include "settings/ini_location.h"

namespace {

constexpr std::wstring_view FolderSeparators = L"\\/:";

// The part up to and including the last separator ("" without one).
std::wstring_view FolderWithSeparator(std::wstring_view path) {
  const std::size_t last = path.find_last_of(FolderSeparators);
  return last == std::wstring_view::npos ? std::wstring_view() : path.substr(0, last + 1);
}

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

}  // namespace

bool HasFolderPart(std::wstring_view name) { return name.find_first_of(FolderSeparators) != std::wstring_view::npos; }

std::wstring DefaultIniName(std::wstring_view executablePath) {
  std::wstring_view name = executablePath.substr(FolderWithSeparator(executablePath).size());
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring_view::npos) name = name.substr(0, dot);
  // Only ASCII letters change: a Japanese name keeps every character as it is.
  std::wstring result;
  for (const wchar_t c : name) result += AsciiLower(c);
  result += L".ini";
  result.front() = AsciiUpper(result.front());
  return result;
}

std::wstring IniFullPath(std::wstring_view fileName, TIniGTDefaultDir defaultDir, std::wstring_view executablePath,
                         std::wstring_view windowsDirectory) {
  if (fileName.empty() || HasFolderPart(fileName)) return std::wstring(fileName);
  switch (defaultDir) {
    case TIniGTDefaultDir::ddApplication:
      return std::wstring(FolderWithSeparator(executablePath)) + std::wstring(fileName);
    case TIniGTDefaultDir::ddWindows:
      return std::wstring(windowsDirectory) + L"\\" + std::wstring(fileName);
    case TIniGTDefaultDir::ddNone:
      break;
  }
  return std::wstring(fileName);
}
