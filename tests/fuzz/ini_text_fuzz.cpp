// The INI text reader on any file content: reads never fail, and a value set is read back
// while another section's value stays as it was.
#include <string>

#include "fuzz_support.h"
#include "settings/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::wstring section = ConsumeWide(data, data.ConsumeIntegralInRange<std::size_t>(0, 4));
  const std::wstring key = ConsumeWide(data, data.ConsumeIntegralInRange<std::size_t>(0, 4));
  const std::wstring otherKey = ConsumeWide(data, data.ConsumeIntegralInRange<std::size_t>(0, 4));
  TIniText text(data.ConsumeRemainingBytesAsString());

  const auto other = text.Value(section + L"x", otherKey);
  const auto before = text.Value(section, key);
  if (before) FUZZ_CHECK(before->size() <= TIniText::MaxValueBytes);

  // Names and value as the program writes them: ASCII names, a Japanese value.
  text.SetValue(L"Menu", L"Vert", L"値 v");
  FUZZ_CHECK(text.Value(L"menu", L"VERT") == L"値 v");
  FUZZ_CHECK(text.Value(section + L"x", otherKey) == other);  // never the section "Menu"
  return 0;
}
