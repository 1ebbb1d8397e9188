#include "framework/bitmap_file_info.h"

namespace {

std::uint32_t Little(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = count; i-- > 0;) value = value << 8 | bytes[at + i];
  return value;
}

constexpr std::size_t FileHeaderBytes = 14;
constexpr std::uint32_t CoreHeaderBytes = 12;  // the OS/2 header with 16-bit sizes
constexpr std::uint32_t InfoHeaderBytes = 40;

// The depths Windows draws; any other is a damaged or hostile header.
bool IsKnownDepth(std::uint16_t bits) {
  return bits == 0 || bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::uint64_t TBitmapFileInfo::PixelBytes() const {
  // Compressed pictures (depth 0) are unpacked to 32 bits.
  const std::uint64_t bits = BitsPerPixel == 0 ? 32 : BitsPerPixel;
  const std::uint64_t stride = (static_cast<std::uint64_t>(Width) * bits + 31) / 32 * 4;
  const auto height = static_cast<std::uint64_t>(Height);
  // Past 64 bits the product cannot be a real picture: the largest value refuses it all the same.
  if (height != 0 && stride > UINT64_MAX / height) return UINT64_MAX;
  return stride * height;
}

std::optional<TBitmapFileInfo> ReadBitmapFileInfo(std::span<const std::uint8_t> head) {
  if (head.size() < FileHeaderBytes + CoreHeaderBytes || head[0] != 'B' || head[1] != 'M') return std::nullopt;
  const std::uint32_t headerBytes = Little(head, FileHeaderBytes, 4);
  TBitmapFileInfo info;
  if (headerBytes == CoreHeaderBytes) {
    info.Width = static_cast<std::int32_t>(Little(head, 18, 2));
    info.Height = static_cast<std::int32_t>(Little(head, 20, 2));
    info.BitsPerPixel = static_cast<std::uint16_t>(Little(head, 24, 2));
    return IsKnownDepth(info.BitsPerPixel) ? std::optional(info) : std::nullopt;
  }
  if (headerBytes < InfoHeaderBytes || head.size() < FileHeaderBytes + InfoHeaderBytes) return std::nullopt;
  info.Width = static_cast<std::int32_t>(Little(head, 18, 4));
  const std::int32_t height = static_cast<std::int32_t>(Little(head, 22, 4));
  // The most negative height has no positive counterpart; no real picture has it.
  if (info.Width < 0 || height == INT32_MIN) return std::nullopt;
  info.Height = height < 0 ? -height : height;
  info.BitsPerPixel = static_cast<std::uint16_t>(Little(head, 28, 2));
  return IsKnownDepth(info.BitsPerPixel) ? std::optional(info) : std::nullopt;
}
