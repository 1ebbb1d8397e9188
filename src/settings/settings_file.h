#pragma once
// The settings file as the program uses it: the INI beside the executable, values unfenced.
#include <cstdint>

#include "texts/texts.h"

class TIniGT;
struct TIniGTHost;

void UseAsSettingsFile(TIniGT& ini);

// The language the interface speaks: the file's choice, or else the one Windows speaks to the
// user (`uiLanguage`, a LANGID). Read once at start.
TLanguage InterfaceLanguage(const TIniGTHost& host, std::uint16_t uiLanguage);
