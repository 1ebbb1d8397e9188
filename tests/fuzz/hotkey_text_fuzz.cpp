// The stored hotkey text: any text reads without failing; a hotkey read is written in the
// fixed form, which reads back as the same hotkey; a refusal always says why.
#include "fuzz_support.h"
#include "settings/hotkey_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::wstring text = ConsumeWide(data, 64);
  const THotkeyParse read = ParseHotkey(text);
  FUZZ_CHECK(read.Hotkey.has_value() == read.Problem.empty());
  if (!read.Hotkey) return 0;
  const THotkeyParse again = ParseHotkey(HotkeyText(*read.Hotkey));
  FUZZ_CHECK(again.Hotkey && *again.Hotkey == *read.Hotkey);
  (void)HotkeyRuleProblem(*read.Hotkey);
  return 0;
}
