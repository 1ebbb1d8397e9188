#include "menu/banner.h"

#include <vector>

#include "framework/exception.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_colors.h"
#include "menu/cool_menu.h"
#include "texts/texts.h"

namespace {

// Tenths of a degree: the caption runs from bottom to top.
constexpr int RisingEscapement = 900;

HFONT CreateRisingFont(const TFont& font) {
  LOGFONTW lf = ToLogFont(font.Description());
  lf.lfWidth = 0;
  lf.lfEscapement = RisingEscapement;
  lf.lfOrientation = 0;
  lf.lfWeight = font.Style().Contains(TFontStyle::fsBold) ? FW_BOLD : FW_DONTCARE;
  lf.lfOutPrecision = 0;
  lf.lfClipPrecision = 0;
  lf.lfQuality = 0;
  lf.lfPitchAndFamily = 0;
  HFONT rising = ::CreateFontIndirectW(&lf);
  if (!rising) throw Exception(Text(TText::NoBannerFont, {font.Name()}));
  return rising;
}

}  // namespace

void TBanner::UpdateBannerSize() {
  TPopupMenu* menu = FOwner.Menu();
  if (!menu) {
    FBannerRect = {};
    FBannerImage.SetSize(0, 0);
    return;
  }
  std::vector<TBannerEntry> entries;
  const TMenuItem& root = menu->Items();
  for (int i = 0; i < root.Count(); ++i) {
    const TMenuItem& item = *root.Items(i);
    entries.push_back({item.Visible(), item.IsLine(), item.Break() != TMenuBreak::mbNone});
  }
  UpdateBannerSize(BannerHeight(entries, FOwner.MeasuredRowHeight(false), FOwner.MeasuredRowHeight(true)));
}

void TBanner::UpdateBannerSize(int height) {
  FBannerRect = {0, 0, FOwner.Metrics().BannerWidth, height};
  FBannerImage.SetSize(FBannerRect.Right, FBannerRect.Bottom);
}

void TBanner::BuildGradient() {
  FGradientTable = BuildGradientTable(FTopColor, FBottomColor, ResolveRgb(FTopColor), ResolveRgb(FBottomColor));
}

void TBanner::PaintBanner() {
  BuildGradient();
  if (FBannerImage.Empty()) return;
  TCanvas& canvas = FBannerImage.Canvas();
  const auto bands = BannerBandRows(FBannerRect.Height());
  for (int j = 0; j < GradientEntries; ++j) {
    canvas.Brush().SetColor(FGradientTable[j]);
    canvas.FillRect({FBannerRect.Left, bands[j].Top, FBannerRect.Right, bands[j].Bottom});
  }
  canvas.Font().AdoptHandle(CreateRisingFont(FFont));
  canvas.Font().SetColor(FFont.Color());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const TPoint origin = BannerCaptionOrigin(FBannerRect.Width(), FFont.Height(), FBannerRect.Bottom);
  canvas.TextAt(origin.X, origin.Y, FCaption);
}
