#pragma once
// The text of an INI file in code page 932: section header lines "[name]" and "key=value"
// lines. Finds values as the platform's profile functions deliver them, and sets values while
// keeping every line it does not change byte for byte.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class TIniText {
public:
  // The longest value a read delivers, in code-page-932 bytes (the platform's 1024-byte buffer).
  static constexpr std::size_t MaxValueBytes = 1023;

  explicit TIniText(std::string bytes = {});

  // The value of the first `key` in a section named `section`, names matched without regard
  // to ASCII case; trimmed of blanks, freed of one pair of enclosing double or single quotes,
  // and cut to MaxValueBytes. Nothing when the section or key is missing.
  std::optional<std::wstring> Value(std::wstring_view section, std::wstring_view key) const;

  // Replaces the key's line, or adds the key at the end of its section, or adds the section at
  // the end of the text. Line breaks in the names or the value become blanks, so a value
  // cannot end its line early and plant other keys.
  void SetValue(std::wstring_view section, std::wstring_view key, std::wstring_view value);

  const std::string& Bytes() const { return FBytes; }

private:
  std::string FBytes;
};
