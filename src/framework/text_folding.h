#pragma once
// The one form in which texts compare as the user reads them: letter case, kana type
// (hiragana, katakana) and width (full, half) aside. Menus match typed keys through it, and the
// search index folds every name through it once.
#include <string>
#include <string_view>

// Lower case, hiragana, full width.
std::wstring FoldForMatching(std::wstring_view text);
