// A paint that a painter abandons half-way leaves nothing behind for the next paint, not even
// after a settings change has freed the shared checker pattern.
#include <gtest/gtest.h>

#include "styler_fixture.h"
#include "support/test_pictures.h"

namespace {

class TInterruptedStyler : public TCoolMenu {
public:
  using TCoolMenu::TCoolMenu;
  bool FailText = false;

protected:
  void DrawItemText(TMenuItem& item, TCanvas& canvas, unsigned state, const TRect& rect) override {
    if (FailText) throw Exception(L"文字を描けません");
    TCoolMenu::DrawItemText(item, canvas, state, rect);
  }
};

class InterruptedPaint : public StylerFixture {
protected:
  InterruptedPaint()
      : StylerFixture([](TForm& owner) -> TCoolMenu& { return owner.Make<TInterruptedStyler>(); }),
        interrupted(static_cast<TInterruptedStyler&>(styler)) {
    styler.SetMenuStyle(msOffice);
    Blank(picture, 200, 40);
  }

  // A checked item's checker column is painted, then its text fails.
  void PaintCheckedAndFail() {
    TMenuItem& checked = AddItem(L"checked");
    checked.SetChecked(true);
    interrupted.FailText = true;
    Paint(checked, {0, 0, 200, 20}, ODS_CHECKED, picture);
    interrupted.FailText = false;
    ASSERT_EQ(errors.size(), 1u);
    ASSERT_EQ(PixelAt(picture, 3, 3), RGB(255, 255, 255)) << "the checker column was not painted";
  }

  // The next, plain item is filled with the normal colour only.
  void ExpectPlainItem() {
    TMenuItem& plain = AddItem(L"plain");
    Paint(plain, {0, 20, 200, 40}, 0, picture);
    EXPECT_EQ(errors.size(), 1u);
    const TInk white = FindInk(picture, {0, 20, 200, 40}, [](COLORREF c) { return c == RGB(255, 255, 255); });
    EXPECT_EQ(white.Count, 0);
    EXPECT_EQ(PixelAt(picture, 3, 23), Inactive);
    EXPECT_EQ(PixelAt(picture, 150, 21), Inactive);
  }

  static constexpr COLORREF Inactive = RGB(0xF8, 0xF0, 0xE0);
  TInterruptedStyler& interrupted;
  TBitmap picture;
};

TEST_F(InterruptedPaint, TheNextItemKeepsAPlainBackground) {
  PaintCheckedAndFail();
  ExpectPlainItem();
}

TEST_F(InterruptedPaint, ASettingsChangeInBetweenLeavesTheNextPaintSound) {
  PaintCheckedAndFail();
  TMessage settingsChanged{WM_WININICHANGE, 0, 0, 0};
  styler.Dispatch(settingsChanged);
  ExpectPlainItem();
}

}  // namespace
