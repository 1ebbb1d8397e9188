#include "framework/image_list.h"

#include <gtest/gtest.h>

#include "framework/bitmap.h"
#include "framework/exception.h"
#include "support/test_pictures.h"

namespace {

TEST(ImageList, DrawsImagesThroughTheirMask) {
  TImageList list(nullptr);
  const TIconHandle icon = SquareIcon(16, RGB(200, 0, 0), 4);
  EXPECT_EQ(list.AddIcon(icon.Get()), 0);
  EXPECT_EQ(list.Count(), 1);
  TBitmap picture;
  picture.SetSize(30, 30);
  picture.Canvas().Brush().SetColor(RgbColor(0, 0, 90));
  picture.Canvas().FillRect({0, 0, 30, 30});
  list.Draw(picture.Canvas(), 10, 10, 0);
  EXPECT_EQ(PixelAt(picture, 18, 18), RGB(200, 0, 0));
  EXPECT_EQ(PixelAt(picture, 11, 11), RGB(0, 0, 90));  // masked out
  EXPECT_THROW(list.Draw(picture.Canvas(), 0, 0, 1), Exception);
}

TEST(ImageList, ImagesComeOutAsIcons) {
  TImageList list(nullptr);
  const TIconHandle icon = SquareIcon(16, RGB(0, 150, 0), 0);
  list.AddIcon(icon.Get());
  const TIconHandle copy = list.GetIcon(0);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(copy.Get(), &info));
  BITMAP colour{};
  ::GetObjectW(info.hbmColor, sizeof(colour), &colour);
  EXPECT_EQ(colour.bmWidth, 16);
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
}

TEST(ImageList, MaskedBitmapsLoseTheirMaskColour) {
  TImageList list(nullptr);
  TBitmap glyph;
  glyph.SetSize(16, 16);
  glyph.Canvas().Brush().SetColor(clOlive);
  glyph.Canvas().FillRect({0, 0, 16, 16});
  glyph.Canvas().Brush().SetColor(clBlack);
  glyph.Canvas().FillRect({4, 4, 8, 8});
  list.AddMasked(glyph, clOlive);
  TBitmap picture;
  picture.SetSize(16, 16);
  list.Draw(picture.Canvas(), 0, 0, 0);
  EXPECT_EQ(PixelAt(picture, 5, 5), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(picture, 12, 12), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(glyph, 12, 12), RGB(128, 128, 0));  // the source is left as it was
}

TEST(ImageList, ChangeLinksHearOfChangesUntilEitherSideGoes) {
  auto list = std::make_unique<TImageList>(nullptr);
  int changes = 0;
  TChangeLink link;
  link.OnChange = [&] { ++changes; };
  list->RegisterChanges(link);
  const TIconHandle icon = SquareIcon(16, RGB(1, 1, 1), 0);
  list->AddIcon(icon.Get());
  list->AddIcon(icon.Get());
  list->Delete(0);
  list->Clear();
  EXPECT_EQ(changes, 4);
  {
    TChangeLink shortLived;
    list->RegisterChanges(shortLived);
  }
  list->AddIcon(icon.Get());  // the gone link is not called
  EXPECT_EQ(changes, 5);
  list.reset();
  EXPECT_EQ(link.Sender(), nullptr);
}

}  // namespace
