#include "folder/file_list_rules.h"

namespace file_list_rules {

std::wstring DisplayName(std::wstring_view name, std::uint32_t attributes) {
  if ((attributes & AttrDirectory) == 0) return std::wstring(name);
  std::wstring bracketed;
  bracketed.reserve(name.size() + 2);
  bracketed += L'<';
  bracketed += name;
  bracketed += L'>';
  return bracketed;
}

std::wstring_view Separator(std::wstring_view directory) {
  const bool endsInSeparator = !directory.empty() && (directory.back() == L'\\' || directory.back() == L'/');
  return endsInSeparator ? L"" : L"\\";
}

std::wstring JoinPath(std::wstring_view directory, std::wstring_view name) {
  std::wstring path(directory);
  path += Separator(directory);
  path += name;
  return path;
}

}  // namespace file_list_rules
