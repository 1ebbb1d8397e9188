#include "app/start_request.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsAbsolute(std::wstring_view path) {
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return true;
  return path.size() >= 3 && path[1] == L':' && IsSeparator(path[2]);
}

}  // namespace

std::wstring FolderArgument(std::span<const std::wstring> arguments) {
  std::wstring folder;
  for (const std::wstring& argument : arguments) {
    if (argument.empty()) continue;
    if (!folder.empty()) folder += L' ';
    folder += argument;
  }
  return folder;
}

std::wstring ResolveFolderArgument(std::wstring_view menuFolder, std::wstring_view argument) {
  std::wstring folder = IsAbsolute(argument) ? std::wstring(argument) : std::wstring(menuFolder) + L'\\' + std::wstring(argument);
  std::replace(folder.begin(), folder.end(), L'/', L'\\');
  const std::size_t keep = folder.size() >= 3 && folder[1] == L':' ? 3 : 1;  // C:\ keeps its own
  while (folder.size() > keep && folder.back() == L'\\') folder.pop_back();
  return folder;
}

std::vector<std::uint8_t> FolderPayload(std::wstring_view argument) {
  std::vector<std::uint8_t> payload((argument.size() + 1) * sizeof(wchar_t));
  std::memcpy(payload.data(), argument.data(), argument.size() * sizeof(wchar_t));
  return payload;
}

std::optional<std::wstring> ReadFolderPayload(std::span<const std::uint8_t> payload) {
  constexpr std::size_t unit = sizeof(wchar_t);
  if (payload.empty() || payload.size() % unit != 0 || payload.size() / unit > MaxFolderArgument + 1) return std::nullopt;
  std::wstring text(payload.size() / unit, L'\0');
  std::memcpy(text.data(), payload.data(), payload.size());
  // Exactly one terminator, at the end.
  if (text.back() != L'\0' || text.find(L'\0') != text.size() - 1) return std::nullopt;
  text.pop_back();
  return text;
}
