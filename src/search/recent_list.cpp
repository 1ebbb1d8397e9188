#include "search/recent_list.h"

#include <algorithm>

#include "framework/utf8.h"

namespace {

// The longest path the system takes, in UTF-16 units; as UTF-8, at most three bytes each.
constexpr std::size_t MaxPathChars = 32767;
constexpr std::size_t MaxLineBytes = MaxPathChars * 3;

bool HoldsControl(std::wstring_view path) {
  return std::any_of(path.begin(), path.end(), [](wchar_t c) { return c < 0x20; });
}

// The path a line names, or empty when the line names none.
std::wstring PathOf(std::string_view line) {
  if (line.size() > MaxLineBytes) return {};
  std::wstring path = FromUtf8(line);
  // The decoder stands in for bad bytes; a line it cannot give back unchanged was no UTF-8.
  if (ToUtf8(path) != line || path.size() > MaxPathChars || HoldsControl(path)) return {};
  return path;
}

}  // namespace

TRecentRead ParseRecentItems(std::string_view bytes) {
  TRecentRead read;
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end);
    if (bytes.starts_with("\r\n")) bytes.remove_prefix(2);
    else if (!bytes.empty()) bytes.remove_prefix(1);
    if (line.empty()) continue;
    std::wstring path = PathOf(line);
    const bool repeated = std::find(read.Paths.begin(), read.Paths.end(), path) != read.Paths.end();
    if (path.empty() || repeated || read.Paths.size() == MaxRecentItems) {
      ++read.Dropped;
      continue;
    }
    read.Paths.push_back(std::move(path));
  }
  return read;
}

std::string FormatRecentItems(const std::vector<std::wstring>& paths) {
  // Marked as UTF-8, so that a path starting with the mark's own character keeps it.
  std::string bytes = "\xEF\xBB\xBF";
  for (const std::wstring& path : paths) {
    const std::string line = ToUtf8(path);
    if (path.empty() || HoldsControl(path) || FromUtf8(line) != path) continue;
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

void MoveToFront(std::vector<std::wstring>& paths, const std::wstring& path) {
  std::erase(paths, path);
  paths.insert(paths.begin(), path);
  if (paths.size() > MaxRecentItems) paths.resize(MaxRecentItems);
}

std::wstring RecentFilePath(std::wstring_view iniPath) {
  const std::size_t nameStart = iniPath.find_last_of(L"\\/:") + 1;  // npos + 1 is 0
  const std::size_t dot = iniPath.find_last_of(L'.');
  const bool hasExtension = dot != std::wstring_view::npos && dot >= nameStart;
  return std::wstring(hasExtension ? iniPath.substr(0, dot) : iniPath) + L".recent";
}
