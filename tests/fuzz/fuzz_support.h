#pragma once
// Shared by the fuzz targets: a failed property aborts with a message, so libFuzzer keeps the
// input that broke it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#define FUZZ_CHECK(condition)                                                       \
  do {                                                                              \
    if (!(condition)) {                                                             \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                 \
    }                                                                               \
  } while (false)

// UTF-16 text from the fuzzer's bytes, two bytes a character, so every code unit (lone
// surrogates included) can appear.
inline std::wstring ConsumeWide(FuzzedDataProvider& data, std::size_t maxChars) {
  std::wstring text;
  while (text.size() < maxChars && data.remaining_bytes() >= 2)
    text += static_cast<wchar_t>(data.ConsumeIntegral<std::uint16_t>());
  return text;
}
