#include "menu/item_background.h"

#include <gtest/gtest.h>

namespace {

using enum TBackgroundStepKind;

const TItemRects Rects = ComputeItemRects({0, 0, 100, 20}, ItemMetricsAt(20, 16, 20, 96), false);
constexpr TColor Active = 0x112233, Inactive = 0x445566;

std::vector<TBackgroundStep> Plan(TItemBackgroundCase item) {
  item.ActiveColor = Active;
  item.InActiveColor = Inactive;
  return PlanItemBackground(item, Rects);
}

TEST(ItemBackground, NormalItemsShowTheInactiveBackgroundInBothStyles) {
  for (TMenuStyle style : {msOffice, msWindows}) {
    EXPECT_EQ(Plan({.Style = style}), (std::vector<TBackgroundStep>{{Fill, Rects.Item}}));
    EXPECT_EQ(Plan({.Style = style, .HasInactiveBitmap = true}),
              (std::vector<TBackgroundStep>{{CopyInactiveCache, Rects.Item}}));
  }
}

TEST(ItemBackground, WindowsStyleHighlightsTheWholeSelectedItem) {
  for (bool enabled : {true, false}) {
    EXPECT_EQ(Plan({.Style = msWindows, .Selected = true, .Enabled = enabled, .ImageAssigned = true}),
              (std::vector<TBackgroundStep>{{Fill, Rects.Item}}));
  }
  EXPECT_EQ(Plan({.Style = msWindows, .Selected = true, .HasActiveBitmap = true}),
            (std::vector<TBackgroundStep>{{CopyActiveCache, Rects.Item}}));
}

TEST(ItemBackground, OfficeStyleKeepsTheImageColumnOfASelectedImageItem) {
  EXPECT_EQ(Plan({.Style = msOffice, .Selected = true, .ImageAssigned = true}),
            (std::vector<TBackgroundStep>{{Fill, Rects.TextArea}}));
  EXPECT_EQ(Plan({.Style = msOffice, .Selected = true, .ImageAssigned = true, .HasActiveBitmap = true}),
            (std::vector<TBackgroundStep>{{CopyActiveCache, Rects.TextArea}, {CopyActiveCache, Rects.ImageColumn}}));
}

TEST(ItemBackground, OfficeStyleHighlightsOnlyTheTextOfACheckedItem) {
  EXPECT_EQ(Plan({.Style = msOffice, .Selected = true, .Checked = true}),
            (std::vector<TBackgroundStep>{{Fill, Rects.TextArea}}));
  EXPECT_EQ(Plan({.Style = msOffice, .Selected = true}), (std::vector<TBackgroundStep>{{Fill, Rects.Item}}));
  EXPECT_EQ(Plan({.Style = msOffice, .Selected = true, .Checked = true, .HasActiveBitmap = true}),
            (std::vector<TBackgroundStep>{{CopyActiveCache, Rects.Item}}));
}

TEST(ItemBackground, OfficeStyleShowsASelectedDisabledItemAsNormal) {
  EXPECT_EQ(Plan({.Style = msOffice, .Selected = true, .Enabled = false}),
            (std::vector<TBackgroundStep>{{SetBrushColor, {}, Inactive}, {Fill, Rects.Item}}));
  EXPECT_EQ(Plan({.Style = msOffice, .Selected = true, .Enabled = false, .HasInactiveBitmap = true}),
            (std::vector<TBackgroundStep>{{CopyInactiveCache, Rects.Item}}));
}

TEST(ItemBackground, UnknownStylesPaintNothing) {
  EXPECT_TRUE(Plan({.Style = static_cast<TMenuStyle>(2), .Selected = true}).empty());
}

}  // namespace

TEST(ItemBackground, TheColourUnderAnAreaIsKnownOnlyWhereOneFillCoversAllOfIt) {
  const TRect image{2, 2, 18, 18};
  struct Case {
    std::vector<TBackgroundStep> Steps;
    std::optional<TColor> Under;
  };
  const Case cases[] = {
      {{{Fill, Rects.Item}}, Inactive},
      {{{SetBrushColor, {}, Active}, {Fill, Rects.Item}}, Active},
      {{{Fill, Rects.Item}, {SetBrushColor, {}, Active}}, Inactive},
      {{{Fill, Rects.TextArea}}, std::nullopt},
      {{{Fill, {0, 0, 10, 20}}}, std::nullopt},
      {{{CopyInactiveCache, Rects.Item}}, std::nullopt},
      {{{Fill, Rects.Item}, {CopyActiveCache, Rects.ImageColumn}}, std::nullopt},
      {{{CopyActiveCache, Rects.ImageColumn}, {Fill, Rects.Item}}, Inactive},
      {{{Fill, Rects.Item}, {CopyActiveCache, Rects.TextArea}}, Inactive},
      {{}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(SolidColorUnder(c.Steps, Inactive, image), c.Under);
}
