#pragma once
// The items started last, most recent first, and the file that keeps them between runs: UTF-8,
// one full path a line. The file comes from outside, so any bytes read give a list.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t MaxRecentItems = 50;

struct TRecentRead {
  std::vector<std::wstring> Paths;  // no more than MaxRecentItems, no path twice
  // Lines left out: not UTF-8, holding a control character, longer than any path, repeated, or
  // beyond the first MaxRecentItems.
  std::size_t Dropped = 0;
};

// Lines end in CR LF, LF or CR; empty lines and a leading byte-order mark are skipped.
TRecentRead ParseRecentItems(std::string_view bytes);
// Starts with a byte-order mark. Paths no file name can hold (a control character, text UTF-8 cannot carry) are left out.
std::string FormatRecentItems(const std::vector<std::wstring>& paths);

// `path` first, once, and no more than MaxRecentItems in all.
void MoveToFront(std::vector<std::wstring>& paths, const std::wstring& path);

// Beside the INI file and named after it: Tamarind.ini gives Tamarind.recent.
std::wstring RecentFilePath(std::wstring_view iniPath);
