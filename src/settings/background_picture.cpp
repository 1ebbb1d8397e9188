#include "settings/background_picture.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

#include "framework/bitmap.h"
#include "framework/bitmap_file_info.h"
#include "framework/exception.h"
#include "menu/tile_layout.h"
#include "texts/texts.h"

std::wstring LoadBackgroundPicture(const std::wstring& path, TBitmap& picture) {
  picture.SetSize(0, 0);
  std::array<std::uint8_t, BitmapHeadBytes> head{};
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) return Text(TText::PictureUnopenable, {path});
  file.read(reinterpret_cast<char*>(head.data()), head.size());
  const std::optional<TBitmapFileInfo> info = ReadBitmapFileInfo({head.data(), static_cast<size_t>(file.gcount())});
  file.close();
  if (!info) return Text(TText::PictureMalformed, {path});
  if (info->Width < 1 || info->Height < 1) return Text(TText::PictureEmpty, {path});
  if (info->PixelBytes() > MaxBackgroundPixelBytes)
    return Text(TText::PictureTooLarge, {path});
  TBitmap loaded;
  try {
    loaded.LoadFromFile(path);
  } catch (const Exception&) {
    return Text(TText::PictureMalformed, {path});
  }
  const int width = std::min(loaded.Width(), TileCacheWidth);
  const int height = std::min(loaded.Height(), TileCacheHeight);
  picture.SetSize(width, height);
  picture.Canvas().CopyRect({0, 0, width, height}, loaded.Canvas(), {0, 0, width, height});
  return {};
}
