#include "search/system_folding.h"

#include <windows.h>

#include "framework/text_folding.h"

namespace {

TLetterCase LetterCaseOf(wchar_t c) {
  WORD type = 0;
  if (!::GetStringTypeW(CT_CTYPE1, &c, 1, &type)) return TLetterCase::lcNone;
  if (type & C1_UPPER) return TLetterCase::lcUpper;
  return type & C1_LOWER ? TLetterCase::lcLower : TLetterCase::lcNone;
}

}  // namespace

TTextFolding SystemFolding() { return {FoldForMatching, LetterCaseOf}; }
