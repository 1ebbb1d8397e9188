#include "settings/background_picture.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

#include "framework/bitmap.h"
#include "framework/bitmap_file_info.h"
#include "framework/exception.h"
#include "menu/tile_layout.h"

namespace {

std::wstring Problem(const std::wstring& path, const wchar_t* what) { return path + L": " + what; }

}  // namespace

std::wstring LoadBackgroundPicture(const std::wstring& path, TBitmap& picture) {
  picture.SetSize(0, 0);
  std::array<std::uint8_t, BitmapHeadBytes> head{};
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) return Problem(path, L"ファイルを開けません");
  file.read(reinterpret_cast<char*>(head.data()), head.size());
  const std::optional<TBitmapFileInfo> info = ReadBitmapFileInfo({head.data(), static_cast<size_t>(file.gcount())});
  file.close();
  if (!info) return Problem(path, L"ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です");
  if (info->Width < 1 || info->Height < 1) return Problem(path, L"画像に画素がありません");
  if (info->PixelBytes() > MaxBackgroundPixelBytes)
    return Problem(path, L"画像が大きすぎます (画素のデータは 64 MB まで)");
  TBitmap loaded;
  try {
    loaded.LoadFromFile(path);
  } catch (const Exception&) {
    return Problem(path, L"ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です");
  }
  const int width = std::min(loaded.Width(), TileCacheWidth);
  const int height = std::min(loaded.Height(), TileCacheHeight);
  picture.SetSize(width, height);
  picture.Canvas().CopyRect({0, 0, width, height}, loaded.Canvas(), {0, 0, width, height});
  return {};
}
