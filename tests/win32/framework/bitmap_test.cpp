#include "framework/bitmap.h"

#include <gtest/gtest.h>

#include "framework/exception.h"
#include "support/temp_folder.h"
#include "support/test_pictures.h"

namespace {

TEST(Bitmap, NewPicturesAreWhiteAndEmptySizesEmptyIt) {
  TBitmap picture;
  EXPECT_TRUE(picture.Empty());
  picture.SetSize(3, 2);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Height(), 2);
  EXPECT_EQ(PixelAt(picture, 2, 1), RGB(255, 255, 255));
  picture.SetSize(0, 5);
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(picture.Height(), 0);
}

TEST(Bitmap, AssignCopiesThePicture) {
  TBitmap source, copy;
  source.SetSize(5, 4);
  source.Canvas().Brush().SetColor(RgbColor(1, 2, 3));
  source.Canvas().FillRect({4, 3, 5, 4});
  copy.Assign(&source);
  EXPECT_EQ(copy.Width(), 5);
  EXPECT_EQ(PixelAt(copy, 4, 3), RGB(1, 2, 3));
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(Bitmap, MonochromeReductionWhitensTheInk) {
  TBitmap picture;
  picture.SetSize(4, 1);
  const COLORREF colours[] = {RGB(0, 0, 0), RGB(128, 128, 128), RGB(230, 230, 230), RGB(255, 255, 255)};
  for (int x = 0; x < 4; ++x) ::SetPixel(picture.Canvas().Handle(), x, 0, colours[x]);
  picture.ReduceToMonochrome();
  EXPECT_EQ(PixelAt(picture, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(picture, 1, 0), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(picture, 2, 0), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(picture, 3, 0), RGB(0, 0, 0));
  BITMAP info{};
  ::GetObjectW(picture.Handle(), sizeof(info), &info);
  EXPECT_EQ(info.bmBitsPixel, 1);
}

TEST(Bitmap, LoadsFilesAndNamesTheOnesThatFail) {
  TTempFolder folder;
  TBitmap picture;
  picture.SetSize(2, 2);
  ::SetPixel(picture.Canvas().Handle(), 1, 1, RGB(9, 8, 7));
  // A 24-bit file written by hand: two rows of two pixels, bottom row first, padded to 4 bytes.
  std::string file = "BM";
  const auto u32 = [&](unsigned v) { for (int i = 0; i < 4; ++i) file += static_cast<char>(v >> (8 * i)); };
  const auto u16 = [&](unsigned v) { file += static_cast<char>(v); file += static_cast<char>(v >> 8); };
  u32(14 + 40 + 16); u16(0); u16(0); u32(14 + 40);
  u32(40); u32(2); u32(2); u16(1); u16(24); u32(0); u32(16); u32(0); u32(0); u32(0); u32(0);
  file += std::string("\x07\x08\x09\x00\x00\x00\x00\x00", 8);  // bottom row: (9,8,7) blue-first, black
  file += std::string("\xff\xff\xff\xff\xff\xff\x00\x00", 8);  // top row: white, white
  const std::wstring path = folder.WriteFile(L"NormalBack.Bmp", file);
  TBitmap loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Width(), 2);
  EXPECT_EQ(PixelAt(loaded, 0, 1), RGB(9, 8, 7));
  EXPECT_EQ(PixelAt(loaded, 0, 0), RGB(255, 255, 255));
  try {
    loaded.LoadFromFile(folder / L"missing.bmp");
    FAIL() << "no error";
  } catch (const Exception& error) {
    EXPECT_NE(error.Message().find(L"missing.bmp"), std::wstring::npos);
  }
  EXPECT_EQ(loaded.Width(), 2);  // a failed load keeps the picture
}

}  // namespace
