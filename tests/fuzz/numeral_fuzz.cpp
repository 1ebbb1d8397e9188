// The numeric edit's text rules: any typed text normalises and reads without failing and
// kept within the bounds, and every shown value reads back as itself.
#include <string>

#include "controls/numeral_format.h"
#include "controls/numeral_rules.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  TEditOptions options;
  for (auto option : {TEditOption::eoHEXIndicate, TEditOption::eoDWDisplay, TEditOption::eoDivide,
                      TEditOption::eoRightAlign})
    if (data.ConsumeBool()) options.Include(option);
  std::int32_t low = data.ConsumeIntegral<std::int32_t>();
  std::int32_t high = data.ConsumeIntegral<std::int32_t>();
  if (low > high) std::swap(low, high);
  const TNumeralRange range{low, high, data.ConsumeBool()};
  const std::int32_t value = data.ConsumeIntegral<std::int32_t>();
  const std::wstring typed = ConsumeWide(data, 40);

  (void)ParseNormalized(NormalizeText(typed, options));
  const std::int32_t kept = BoundValue(ValueFromText(typed, options, low, range), range, true);
  FUZZ_CHECK(low <= kept && kept <= high);

  const TNumeralRange everything{INT32_MIN, INT32_MAX, false};
  FUZZ_CHECK(ValueFromText(FormatValue(value, options), options, 0, everything) == value);
  return 0;
}
