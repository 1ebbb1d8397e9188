// The shortcut scan on any file content: no read past the data, and a path found is made of
// the file's own bytes after the pattern.
#include <algorithm>
#include <span>

#include "folder/link_target_scan.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::span<const std::uint8_t> data(bytes, size);
  const auto path = ScanLinkTarget(data);
  if (!path) return 0;
  FUZZ_CHECK(size >= 12 && path->size() <= size - 12);
  FUZZ_CHECK(path->find('\0') == std::string::npos || path->find('.') < path->find('\0'));
  const auto found = std::search(data.begin(), data.end(), path->begin(), path->end(),
                                 [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
  FUZZ_CHECK(found != data.end() || path->empty());
  return 0;
}
