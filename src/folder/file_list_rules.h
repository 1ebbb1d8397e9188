#pragma once
// The listing rules of TFileList that need no file system: attribute sets, which entries a
// search keeps, display names and how a directory joins a name.
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/enum_set.h"

// Ordinal n stands for the file attribute bit 1 << n.
enum class TFileAttr { ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive, ftNormal };
using TFileType = TEnumSet<TFileAttr>;

namespace file_list_rules {

constexpr std::uint32_t AttrDirectory = 0x10;

// The file type read as a 7-bit attribute mask.
constexpr std::uint32_t AttributeMask(TFileType type) { return type.Bits() & 0x7F; }

// The search drops entries with hidden, system, volume-label or directory bits not in `mask`.
constexpr bool PassesSearch(std::uint32_t attributes, std::uint32_t mask) {
  constexpr std::uint32_t excluding = 0x02 | 0x04 | 0x08 | 0x10;
  return (attributes & excluding & ~mask) == 0;
}

// After the search: every entry with ftNormal, otherwise only those sharing a bit with `mask`.
constexpr bool IsListed(std::uint32_t attributes, TFileType type) {
  return type.Contains(TFileAttr::ftNormal) || (attributes & AttributeMask(type)) != 0;
}

// Folders are shown bracketed: <Tools>, <.>, <..>.
std::wstring DisplayName(std::wstring_view name, std::uint32_t attributes);

// No separator after a directory that already ends in one (a drive root such as C:\),
// "\" otherwise.
std::wstring_view Separator(std::wstring_view directory);
std::wstring JoinPath(std::wstring_view directory, std::wstring_view name);

}  // namespace file_list_rules
