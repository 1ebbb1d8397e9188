#pragma once
// Small files read whole and replaced whole: a reader sees either the old or the new content,
// never a file cut short by a crash or a full disk in the middle of a write.
#include <cstdint>
#include <string>
#include <string_view>

enum class TFileReadResult { frRead, frMissing, frFailed };

struct TWholeFile {
  TFileReadResult Result;
  std::string Bytes;  // when read
};

inline constexpr std::uint64_t MaxWholeFileBytes = 0x7FFFFFFF;

// frMissing when the file or its folder does not exist; frFailed when it exists but cannot be
// read (locked, a folder, no access) or holds more than `maxBytes`.
TWholeFile ReadWholeFile(const std::wstring& path, std::uint64_t maxBytes = MaxWholeFileBytes);

// Writes `bytes` to a new file in the same folder and moves it over `path` in one step.
// Refuses a read-only file. On failure the old file is untouched and false comes back.
bool ReplaceWholeFile(const std::wstring& path, std::string_view bytes);
