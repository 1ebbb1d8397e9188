// Integer, hexadecimal and fenced texts as the INI file holds them: any text is read without
// failing, and what the program writes reads back as it was.
#include <string>

#include "fuzz_support.h"
#include "settings/ini_fence.h"
#include "settings/integer_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const auto fence = data.PickValueInArray({TIniGTFence::fnDoubleQuote, TIniGTFence::fnParenthesis,
                                            TIniGTFence::fnVer11Mode, TIniGTFence::fnNone});
  const std::int32_t number = data.ConsumeIntegral<std::int32_t>();
  const std::wstring text = ConsumeWide(data, 64);

  (void)ParseInt32(text);
  (void)StripFence(text, fence);
  FUZZ_CHECK(ParseInt32(std::to_wstring(number)) == number);
  const std::wstring hex = HexText(number);
  FUZZ_CHECK(hex.size() == 10 && ParseInt32(L"$" + hex.substr(2)) == number);
  FUZZ_CHECK(StripFence(EncloseInFence(text, fence), fence) == text);
  return 0;
}
