#include "folder/link_target_scan.h"

#include <algorithm>
#include <array>

namespace {

constexpr size_t PatternLength = 12;
// Bytes 9 and 10 of the pattern may hold anything.
constexpr std::array<std::uint8_t, 9> PatternHead = {0x00, 0x00, 'W', 'I', 'N', 'D', 'O', 'W', 'S'};
constexpr size_t PatternTail = 11;  // 0x00
constexpr size_t ExtensionLength = 3;

bool PatternAt(std::span<const std::uint8_t> data, size_t offset) {
  return std::equal(PatternHead.begin(), PatternHead.end(), data.begin() + static_cast<std::ptrdiff_t>(offset)) &&
         data[offset + PatternTail] == 0x00;
}

}  // namespace

std::optional<std::string> ScanLinkTarget(std::span<const std::uint8_t> data) {
  if (data.size() < PatternLength) return std::nullopt;
  for (size_t offset = 0; offset + PatternLength <= data.size(); ++offset) {
    if (!PatternAt(data, offset)) continue;
    std::string path;
    size_t next = offset + PatternLength;
    while (next < data.size() && data[next] != '.' && data[next] != 0x00) path += static_cast<char>(data[next++]);
    if (next < data.size() && data[next] == '.') {
      const size_t end = std::min(data.size(), next + 1 + ExtensionLength);
      path.append(data.begin() + static_cast<std::ptrdiff_t>(next), data.begin() + static_cast<std::ptrdiff_t>(end));
    }
    return path;
  }
  return std::nullopt;
}
