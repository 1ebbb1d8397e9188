#pragma once
// The side banner: a vertical two-colour gradient with a caption rising from the bottom,
// painted into a picture of its own each time the menu opens, beside the top-level items.
#include <cstdint>
#include <string>

#include "framework/bitmap.h"
#include "framework/color.h"
#include "framework/font.h"
#include "framework/geometry.h"
#include "menu/banner_layout.h"

class TCoolMenu;

class TBanner {
public:
  explicit TBanner(TCoolMenu& owner) : FOwner(owner) {}
  TBanner(const TBanner&) = delete;
  TBanner& operator=(const TBanner&) = delete;

  const TFont& Font() const { return FFont; }
  void SetFont(const TFontDescription& font) { FFont.Assign(font); }
  std::uint8_t BannerWidth() const { return FBannerWidth; }
  void SetBannerWidth(std::uint8_t width) { FBannerWidth = width; }
  const std::wstring& Caption() const { return FCaption; }
  void SetCaption(const std::wstring& caption) { FCaption = caption; }
  TColor BottomColor() const { return FBottomColor; }
  void SetBottomColor(TColor color) { FBottomColor = color; }
  TColor TopColor() const { return FTopColor; }
  void SetTopColor(TColor color) { FTopColor = color; }
  bool ShowBanner() const { return FShowBanner; }
  void SetShowBanner(bool show) { FShowBanner = show; }

  TBitmap& BannerImage() { return FBannerImage; }
  const TRect& BannerRect() const { return FBannerRect; }
  const TGradientTable& GradientTable() const { return FGradientTable; }

  // Sizes the picture to the top-level items of the owner's menu.
  void UpdateBannerSize();
  // Sizes the picture to a column `height` pixels high, for rows of a window of our own.
  void UpdateBannerSize(int height);
  // Paints the gradient and the caption into the picture.
  void PaintBanner();

private:
  void BuildGradient();

  TCoolMenu& FOwner;
  TFont FFont;
  std::uint8_t FBannerWidth = 20;
  std::wstring FCaption;
  TColor FBottomColor = clYellow;
  TColor FTopColor = clRed;
  bool FShowBanner = false;
  TBitmap FBannerImage;
  TRect FBannerRect;
  TGradientTable FGradientTable{};
};
