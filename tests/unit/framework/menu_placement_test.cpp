#include "framework/menu_placement.h"

#include <gtest/gtest.h>

TEST(MenuPlacement, InsideAtThePointerFromATaskbarAwayFromItAlwaysWithinTheWorkArea) {
  // A 1920 x 1080 monitor; the work area leaves room for a taskbar on one side or two.
  const TRect bottom{0, 0, 1920, 1040}, top{0, 40, 1920, 1080}, left{60, 0, 1920, 1080}, right{0, 0, 1860, 1080};
  const TRect leftAndBottom{60, 0, 1920, 1040}, rightAndTop{0, 40, 1860, 1080};
  struct TCase {
    TPoint Pointer;
    TRect Work;
    TMenuPlacement Expected;
  } const cases[] = {
      {{500, 300}, bottom, {{500, 300}, false, false}},      // inside
      {{500, 1039}, bottom, {{500, 1039}, false, false}},    // last row inside: the system moves it up
      {{1919, 500}, bottom, {{1919, 500}, false, false}},    // last column inside
      {{700, 1060}, bottom, {{700, 1040}, false, true}},     // on a bottom taskbar: grows upwards
      {{500, 1040}, bottom, {{500, 1040}, false, true}},     // its first row
      {{1919, 1079}, bottom, {{1919, 1040}, false, true}},   // its corner
      {{700, 10}, top, {{700, 40}, false, false}},           // top taskbar: downwards
      {{20, 500}, left, {{60, 500}, false, false}},          // left taskbar: to the right
      {{1900, 500}, right, {{1860, 500}, true, false}},      // right taskbar: to the left
      {{10, 1070}, leftAndBottom, {{60, 1040}, false, true}},   // where two taskbars meet
      {{1900, 5}, rightAndTop, {{1860, 40}, true, false}},
      {{-300, 2000}, bottom, {{0, 1040}, false, true}},      // outside the monitor
      {{2500, -80}, top, {{1920, 40}, true, false}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Pointer.X << ',' << c.Pointer.Y);
    const TMenuPlacement placed = MenuPlacementAt(c.Pointer, c.Work);
    EXPECT_EQ(placed.Anchor, c.Expected.Anchor);
    EXPECT_EQ(placed.RightEdgeAtAnchor, c.Expected.RightEdgeAtAnchor);
    EXPECT_EQ(placed.BottomEdgeAtAnchor, c.Expected.BottomEdgeAtAnchor);
  }
}
