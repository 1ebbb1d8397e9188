#pragma once
// The user guide's reference of the INI file, made from the table the program reads and
// writes through (setting_keys.h).
#include <string>
#include <string_view>

enum class TGuideLanguage { glJapanese, glEnglish };

// A Markdown table, one row per stored key (a font gives four), in the order of a new file.
std::string IniReference(TGuideLanguage language);

// `guide` with the text between each "<!-- ini-reference:ja -->" or "<!-- ini-reference:en -->"
// line and the next "<!-- /ini-reference -->" line replaced by that language's table.
std::string WithIniReference(std::string_view guide);
