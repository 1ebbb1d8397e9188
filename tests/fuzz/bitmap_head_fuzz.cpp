// The head of a .bmp file: any bytes read without failing, and what is taken has a depth
// Windows draws, a height made positive, and a pixel size that never wraps below the true one.
#include <vector>

#include "framework/bitmap_file_info.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::optional<TBitmapFileInfo> info = ReadBitmapFileInfo({bytes, size});
  if (!info) return 0;
  FUZZ_CHECK(info->Width >= 0 && info->Height >= 0);
  const unsigned bits = info->BitsPerPixel;
  FUZZ_CHECK(bits == 0 || bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32);
  // Each row holds at least its pixels' whole bytes; a wrapped product would fall below that.
  const std::uint64_t rowBytes = (static_cast<std::uint64_t>(info->Width) * (bits == 0 ? 32 : bits) + 7) / 8;
  const std::uint64_t pixelBytes = info->PixelBytes();
  FUZZ_CHECK(info->Height == 0 || pixelBytes / static_cast<std::uint64_t>(info->Height) >= rowBytes);
  return 0;
}
