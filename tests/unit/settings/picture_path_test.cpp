#include "settings/picture_path.h"

#include <gtest/gtest.h>

TEST(PicturePath, KeepsWhatTheFileHoldsElseTheShortFormElseRefusesNamingThePath) {
  const std::wstring japanese = L"C:\\太郎\\back.bmp", amelie = L"C:\\Amélie\\back.bmp", shortForm = L"C:\\AMLIE~1\\back.bmp";
  const auto noShortForm = [](const std::wstring& path) { return path; };
  EXPECT_EQ(StorablePicturePath(japanese, noShortForm).Path, japanese);
  EXPECT_EQ(StorablePicturePath(amelie, [&](const std::wstring&) { return shortForm; }).Path, shortForm);
  const TStorablePath refused = StorablePicturePath(amelie, noShortForm);
  EXPECT_EQ(refused.Path, L"");
  EXPECT_TRUE(refused.Problem.starts_with(amelie + L": 名前の é ")) << testing::PrintToString(refused.Problem);
}
