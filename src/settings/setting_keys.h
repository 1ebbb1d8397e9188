#pragma once
// Every key of the INI file in one table: the settings dialog reads and writes through it, and
// the user guide's INI reference is made from it, so the two cannot tell different stories.
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

// What a key holds, which decides how it is stored.
enum class TSettingKind {
  skFont,     // four keys: .Name, .Size (points), .Style (bits), .Color
  skColor,    // "0x" and 8 hexadecimal digits
  skSwitch,   // "1" or "0"
  skNumber,   // decimal
  skText,     // as typed
  skPicture,  // a file's path; by default a file of the given name beside the executable
  skHotkey,   // a key combination as text, "Ctrl+Alt+Space"; empty for none
  skLanguage, // "ja", "en", or empty to follow Windows
};

// Which setting of the dialog a key belongs to.
enum class TSettingId {
  siItemFont,
  siSelectedFont,
  siBannerFont,
  siItemColor,
  siSelectedColor,
  siBannerTopColor,
  siBannerBottomColor,
  siShowIcons,
  siShowBanner,
  siVerticalBars,
  siSplitColumns,
  siColumnLength,
  siBannerCaption,
  siNormalBack,
  siActiveBack,
  siGesture,
  siHotkey,
  siLanguage,
};

struct TSettingKey {
  TSettingId Id;
  const wchar_t* Section;
  const wchar_t* Key;
  TSettingKind Kind;
  std::int32_t Number;  // default of a colour, switch or number
  const wchar_t* Text;  // default of a text or hotkey; a picture's file name
  const char* EffectJa;  // what the setting does, for the user guide (UTF-8)
  const char* EffectEn;
};

// In the order a save writes them, which is the order of the keys in a new file.
std::span<const TSettingKey> SettingKeys();

// The table in the order of a file that a save wrote afresh: grouped by section, the sections
// in the order they are first written.
std::vector<const TSettingKey*> SettingKeysInFileOrder();

// The keys as they stand in such a file, a font's four keys each: (section, key).
std::vector<std::pair<std::wstring, std::wstring>> StoredKeys();
