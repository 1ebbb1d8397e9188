#pragma once
// A form with a popup menu, an image list and a styler attached to the menu, and helpers that
// hand the styler measure and draw requests as the platform would.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/bitmap.h"
#include "framework/form.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "menu/cool_menu.h"
#include "support/test_forms.h"

// The framed form a styler belongs to (its system menu is styled too).
TFormDesign StylerFormDesign();

// The name a screen reader is given for an owner-drawn entry: the text of the MSAAMENUINFO its
// item data starts with; none when the data does not start with one.
std::optional<std::wstring> AccessibleName(HMENU menu, UINT item, bool byPosition);

class StylerFixture : public ::testing::Test {
protected:
  StylerFixture();
  // With a styler of the test's own kind, made on the fixture's form.
  explicit StylerFixture(const std::function<TCoolMenu&(TForm&)>& makeStyler);
  ~StylerFixture() override;

  TMenuItem& AddItem(const std::wstring& caption, TMenuItem* parent = nullptr);
  // Background and text colours of selected and normal items.
  void SetStateColors(TColor active, TColor activeText, TColor inactive, TColor inactiveText);
  // An image list entry: a `fill` square inset by `inset`, transparent around it.
  int AddImage(COLORREF fill, int inset);

  MEASUREITEMSTRUCT Measure(UINT itemID);
  MEASUREITEMSTRUCT Measure(TMenuItem& item) { return Measure(item.Command()); }
  // Paints the item into `target` at `rect`, as the platform would ask for it; `menuHandle`
  // defaults to the styled menu's.
  void Paint(UINT itemID, const TRect& rect, unsigned state, TBitmap& target, HMENU menuHandle = nullptr);
  void Paint(TMenuItem& item, const TRect& rect, unsigned state, TBitmap& target) {
    Paint(item.Command(), rect, state, target);
  }
  // A picture filled with `color` (default: a colour no painter uses) to paint into.
  static void Blank(TBitmap& target, int width, int height, COLORREF color = RGB(1, 2, 3));

  // Where pixels matching `isInk` lie within `area` of a picture.
  struct TInk {
    int Count = 0;
    TRect Bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};  // right and bottom inclusive
  };
  static TInk FindInk(TBitmap& picture, const TRect& area, const std::function<bool(COLORREF)>& isInk);
  static TInk FindInkOtherThan(TBitmap& picture, const TRect& area, COLORREF background) {
    return FindInk(picture, area, [=](COLORREF c) { return c != background; });
  }

  TErrorBoxCapture errorBox;
  std::vector<std::wstring>& errors = errorBox.Messages;
  TComponentPtr<TForm> form;
  TPopupMenu& menu;
  TImageList& images;
  TCoolMenu& styler;
};

// The launcher's banner: a bold white caption on the default red-to-yellow gradient.
void ShowLauncherBanner(TCoolMenu& styler);

// A system colour changed for the length of a test.
class TSystemColorOverride {
public:
  TSystemColorOverride(int index, COLORREF color) : FIndex(index), FOld(::GetSysColor(index)) {
    ::SetSysColors(1, &FIndex, &color);
  }
  ~TSystemColorOverride() { ::SetSysColors(1, &FIndex, &FOld); }
  TSystemColorOverride(const TSystemColorOverride&) = delete;
  TSystemColorOverride& operator=(const TSystemColorOverride&) = delete;

private:
  int FIndex;
  COLORREF FOld;
};

// Colours the painters are asked to use in the tests, distinct from anything the system uses.
inline constexpr TColor TestActive = 0x00A05010;     // RGB(0x10, 0x50, 0xA0)
inline constexpr TColor TestInactive = 0x00E0F0F8;   // RGB(0xF8, 0xF0, 0xE0)
inline constexpr TColor TestActiveText = 0x00FFFFFE;
inline constexpr TColor TestInactiveText = 0x00000001;
