#pragma once
// The INI reader/writer under TIniGT, bound to one file. Nothing is cached: every read reads the
// file and every write rewrites it, so two objects on the same file see each other's writes.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "framework/exception.h"
#include "settings/ini_text.h"

// A write the file system refused.
class EIniFileException : public Exception {
public:
  using Exception::Exception;
};

class TIniFile {
public:
  // A name without a folder part lies in `windowsDirectory`, as with the platform's profile
  // functions. An empty name stands for no file: reads give defaults, writes fail.
  TIniFile(std::wstring fileName, std::wstring_view windowsDirectory);

  const std::wstring& FileName() const { return FFileName; }

  // The stored value as TIniText delivers it, or `defaultValue` when the file, section or key
  // is missing or the file cannot be read.
  std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view defaultValue) const;
  // Creates file, section and key as needed; raises TText::CannotWrite when refused.
  void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value);

  // "0x" followed by more is read as hexadecimal; a text that is no integer gives the default.
  std::int32_t ReadInteger(std::wstring_view section, std::wstring_view key, std::int32_t defaultValue) const;
  void WriteInteger(std::wstring_view section, std::wstring_view key, std::int32_t value);

  // Any non-zero integer is true; written as "1" or "0".
  bool ReadBool(std::wstring_view section, std::wstring_view key, bool defaultValue) const;
  void WriteBool(std::wstring_view section, std::wstring_view key, bool value);

  // Runs `writes` on the file's text in memory (reads see it too), then replaces the file once.
  // When `writes` fails or the file cannot be read or replaced, the file stays as it was; the
  // last two raise TText::CannotWrite.
  void Update(const std::function<void()>& writes);

private:
  std::wstring FFileName;
  std::wstring FLocation;  // where the file is looked for
  std::optional<TIniText> FPending;  // the text being updated
};
