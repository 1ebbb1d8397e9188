#include "shell/menu_text_needle.h"

#include <string>

#include "framework/code_page_932.h"

std::size_t Cp932NeedlePosition(std::wstring_view text, std::wstring_view needle) {
  // Searching characters, not bytes, so that a match never starts inside a double-byte one.
  const std::wstring readable = TruncateToCp932Bytes(text, MenuTextReadBytes);
  const std::size_t at = readable.find(needle);
  if (at == std::wstring::npos) return 0;
  return Cp932Length(std::wstring_view(readable).substr(0, at)) + 1;
}
