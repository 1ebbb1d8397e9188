#include "controls/numeral_rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using enum TEditOption;

constexpr std::int32_t Lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Highest = std::numeric_limits<std::int32_t>::max();
constexpr TNumeralRange Columns{2, 100, false};
constexpr TNumeralRange WrappedColumns{2, 100, true};

TEST(ValueFromText, ReadsTypedNumbers) {
  EXPECT_EQ(ValueFromText(L"42", {}, 7, Columns), 42);
  EXPECT_EQ(ValueFromText(L"-1,234", {eoDivide}, 7, Columns), -1234);
  EXPECT_EQ(ValueFromText(L"１，２３４", {eoDWDisplay}, 7, Columns), 1234);
  EXPECT_EQ(ValueFromText(L"$1F", {eoHEXIndicate}, 7, Columns), 31);
}

TEST(ValueFromText, TextWithoutDigitsKeepsTheValue) {
  EXPECT_EQ(ValueFromText(L"", {}, 7, Columns), 7);
  EXPECT_EQ(ValueFromText(L"abc", {}, 7, Columns), 7);
  EXPECT_EQ(ValueFromText(L"１，２３４", {}, 7, Columns), 7);
  EXPECT_EQ(ValueFromText(L"", {eoHEXIndicate}, 7, Columns), 7);
  EXPECT_EQ(ValueFromText(L"$", {eoHEXIndicate}, 7, Columns), 7);
}

TEST(ValueFromText, UnreadableNumbersGoToTheBoundOnTheirSide) {
  EXPECT_EQ(ValueFromText(L"-", {}, 7, Columns), 2);
  EXPECT_EQ(ValueFromText(L"－", {eoDWDisplay}, 7, Columns), 2);
  EXPECT_EQ(ValueFromText(L"99999999999", {}, 7, Columns), 100);
  EXPECT_EQ(ValueFromText(L"-99999999999", {}, 7, Columns), 2);
  EXPECT_EQ(ValueFromText(L"$123456789", {eoHEXIndicate}, 7, Columns), 100);
}

TEST(BoundValue, ClampsTypedValuesEvenWhenWrapping) {
  EXPECT_EQ(BoundValue(500, Columns, true), 100);
  EXPECT_EQ(BoundValue(500, WrappedColumns, true), 100);
  EXPECT_EQ(BoundValue(-3, WrappedColumns, true), 2);
  EXPECT_EQ(BoundValue(50, WrappedColumns, true), 50);
}

TEST(BoundValue, ValuesSetByTheProgramWrapOnlyWhenWrapping) {
  EXPECT_EQ(BoundValue(500, Columns, false), 100);
  EXPECT_EQ(BoundValue(1, Columns, false), 2);
  EXPECT_EQ(BoundValue(500, WrappedColumns, false), 2);
  EXPECT_EQ(BoundValue(1, WrappedColumns, false), 100);
  EXPECT_EQ(BoundValue(100, WrappedColumns, false), 100);
  EXPECT_EQ(BoundValue(2, WrappedColumns, false), 2);
}

TEST(ButtonStatesFor, DisablesTheButtonThatWouldLeaveTheRange) {
  EXPECT_EQ(ButtonStatesFor(50, Columns, true), (TButtonStates{true, true}));
  EXPECT_EQ(ButtonStatesFor(100, Columns, true), (TButtonStates{false, true}));
  EXPECT_EQ(ButtonStatesFor(2, Columns, true), (TButtonStates{true, false}));
  EXPECT_EQ(ButtonStatesFor(100, WrappedColumns, true), (TButtonStates{true, true}));
  EXPECT_EQ(ButtonStatesFor(2, WrappedColumns, true), (TButtonStates{true, true}));
}

TEST(ButtonStatesFor, DisablesBothWhenTheEditIsDisabledOrTheRangeIsOneValue) {
  EXPECT_EQ(ButtonStatesFor(50, Columns, false), (TButtonStates{false, false}));
  EXPECT_EQ(ButtonStatesFor(50, WrappedColumns, false), (TButtonStates{false, false}));
  EXPECT_EQ(ButtonStatesFor(5, (TNumeralRange{5, 5, false}), true), (TButtonStates{false, false}));
  EXPECT_EQ(ButtonStatesFor(5, (TNumeralRange{5, 5, true}), true), (TButtonStates{true, true}));
}

TEST(StepValue, StepsByTheIncrement) {
  EXPECT_EQ(StepValue(10, 5, true, Columns), TStep{15});
  EXPECT_EQ(StepValue(10, 5, false, Columns), TStep{5});
  EXPECT_EQ(StepValue(10, -5, true, Columns), TStep{5});
}

TEST(StepValue, PastThe32BitRangeGoesToABound) {
  const TNumeralRange full{-2147483647, Highest, false};
  const TNumeralRange wrapped{-2147483647, Highest, true};
  EXPECT_EQ(StepValue(Highest, 1, true, full), (TStep{Highest, true, false}));
  EXPECT_EQ(StepValue(Highest, 1, true, wrapped), TStep{-2147483647});
  EXPECT_EQ(StepValue(Lowest, 1, false, full), (TStep{-2147483647, false, true}));
  EXPECT_EQ(StepValue(Lowest, 1, false, wrapped), TStep{Highest});
  EXPECT_EQ(StepValue(-2147483647, Highest, false, full), (TStep{-2147483647, false, true}));
  // Just inside the range is an ordinary step; the commit bounds it.
  EXPECT_EQ(StepValue(-2147483647, 1, false, full), TStep{Lowest});
  EXPECT_EQ(StepValue(0, Lowest, true, full), TStep{Lowest});
  EXPECT_EQ(StepValue(0, Lowest, false, full), (TStep{-2147483647, false, true}));
}

}  // namespace
