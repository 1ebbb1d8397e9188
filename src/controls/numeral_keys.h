#pragma once
// Which typed characters the numeric edit takes, and in what form.
#include <string>
#include <string_view>

#include "controls/numeral_format.h"

struct TKeyFilterSettings {
  TEditOptions Options;
  bool KeyCheck;
  bool SignPress;
  bool ReadOnly;
};

enum class TKeyVerdict {
  kvPass,              // typed as it is
  kvSwallow,           // dropped
  kvReplaceSelection,  // Text replaces the selection instead
  kvApplySign,         // the whole number takes the sign at once (SignedText)
};

struct TKeyDecision {
  TKeyVerdict Verdict;
  std::wstring Text;
  bool operator==(const TKeyDecision&) const = default;
};

TKeyDecision FilterKey(wchar_t key, const TKeyFilterSettings& settings);

// The text after typing `sign` ("-" or "+") into `text`: the number it holds, negative or
// positive, formatted anew. Throws EConvertError when the text holds no number.
std::wstring SignedText(wchar_t sign, std::wstring_view text, TEditOptions options);
