// The recent items' file: any bytes read without failing, as at most the kept number of paths,
// and the list read writes out as a file that reads back as the same list, nothing dropped.
#include "fuzz_support.h"
#include "search/recent_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const TRecentRead read = ParseRecentItems({reinterpret_cast<const char*>(bytes), size});
  FUZZ_CHECK(read.Paths.size() <= MaxRecentItems);
  const TRecentRead again = ParseRecentItems(FormatRecentItems(read.Paths));
  FUZZ_CHECK(again.Paths == read.Paths);
  FUZZ_CHECK(again.Dropped == 0);
  return 0;
}
