#include "framework/code_page_932.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#endif

namespace {

#ifdef _WIN32
constexpr unsigned CodePage932 = 932;
#else
// One iconv conversion descriptor, closed with the object.
class TIconv {
public:
  TIconv(const char* to, const char* from) : FHandle(::iconv_open(to, from)) {
    if (FHandle == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("code page 932 is not available");
  }
  ~TIconv() { ::iconv_close(FHandle); }
  TIconv(const TIconv&) = delete;
  TIconv& operator=(const TIconv&) = delete;

  // Converts `in`; an input sequence it cannot convert becomes `replacement`, skipping
  // `skipUnit` bytes of input.
  std::string Convert(std::string_view in, std::string_view replacement, std::size_t skipUnit) {
    std::string out;
    char buffer[256];
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    ::iconv(FHandle, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof(buffer);
      const std::size_t result = ::iconv(FHandle, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      // EILSEQ or EINVAL: an unmappable or cut sequence.
      out += replacement;
      const std::size_t skip = std::min(skipUnit, inLeft);
      inPtr += skip;
      inLeft -= skip;
    }
    return out;
  }

private:
  iconv_t FHandle;
};

// UTF-16LE bytes, so that a character outside the code page's plane turns into two "?" here,
// one per half, as on Windows.
std::string Utf16Bytes(std::wstring_view text) {
  std::string bytes;
  const auto unit = [&bytes](char32_t u) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8 & 0xFF);
  };
  for (const wchar_t c : text) {
    const char32_t code = static_cast<char32_t>(c);
    if (code >= 0x10000) {
      unit(0xD800 + ((code - 0x10000) >> 10));
      unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      unit(code);
    }
  }
  return bytes;
}

const char* WideEncoding() { return sizeof(wchar_t) == 2 ? "UTF-16LE" : "UTF-32LE"; }
#endif

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::string ToCp932(std::wstring_view text) {
  if (text.empty()) return {};
#ifdef _WIN32
  const int length = static_cast<int>(text.size());
  const int size =
      ::WideCharToMultiByte(CodePage932, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CodePage932, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), size, nullptr, nullptr);
  return out;
#else
  static TIconv toCp932("CP932", "UTF-16LE");
  return toCp932.Convert(Utf16Bytes(text), "?", 2);
#endif
}

std::wstring FromCp932(std::string_view bytes) {
  if (bytes.empty()) return {};
#ifdef _WIN32
  const int length = static_cast<int>(bytes.size());
  const int size = ::MultiByteToWideChar(CodePage932, 0, bytes.data(), length, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CodePage932, 0, bytes.data(), length, out.data(), size);
  return out;
#else
  static TIconv fromCp932(WideEncoding(), "CP932");
  const wchar_t replacement = L'\u30FB';  // the katakana middle dot the system uses for bad bytes
  const std::string wide =
      fromCp932.Convert(bytes, std::string_view(reinterpret_cast<const char*>(&replacement), sizeof(wchar_t)), 1);
  return std::wstring(reinterpret_cast<const wchar_t*>(wide.data()), wide.size() / sizeof(wchar_t));
#endif
}

std::wstring Cp932Misfits(std::wstring_view text) {
  std::wstring misfits;
  // Whole first: nearly every text fits.
  if (FromCp932(ToCp932(text)) == text) return misfits;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t count = at + 1 < text.size() && IsHighSurrogate(text[at]) ? 2 : 1;
    const std::wstring_view character = text.substr(at, count);
    if (FromCp932(ToCp932(character)) != character && misfits.find(character) == std::wstring::npos)
      misfits += character;
    at += count;
  }
  return misfits;
}

std::size_t Cp932Length(std::wstring_view text) { return ToCp932(text).size(); }

bool IsDoubleByteChar(wchar_t c) { return Cp932Length(std::wstring_view(&c, 1)) == 2; }

std::wstring TruncateToCp932Bytes(std::wstring_view text, std::size_t maxBytes) {
  std::size_t used = 0;
  std::size_t end = 0;
  while (end < text.size()) {
    // A surrogate pair is one character: keep its halves together.
    const bool pair = end + 1 < text.size() && IsHighSurrogate(text[end]);
    const std::size_t count = pair ? 2 : 1;
    const std::size_t bytes = Cp932Length(text.substr(end, count));
    if (used + bytes > maxBytes) break;
    used += bytes;
    end += count;
  }
  return std::wstring(text.substr(0, end));
}
