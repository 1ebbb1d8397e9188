#include "settings/ini_reference.h"

#include "framework/font_description.h"
#include "framework/utf8.h"
#include "settings/integer_text.h"
#include "settings/setting_keys.h"

namespace {

// The size a new font is written with: the screen of the guide's reader is not known, and at
// the usual 96 pixels per inch the sizes are the ones the font dialog shows.
constexpr std::int32_t ReferencePixelsPerInch = 96;

struct TWords {
  const char* Header;
  const char* FontName;
  const char* FontSize;
  const char* FontStyle;
  const char* Color;
  const char* Switch;
  const char* Number;
  const char* Text;
  const char* Picture;
  const char* BesideExecutable;
  const char* Hotkey;
  const char* Language;
  const char* Nothing;
};

constexpr TWords Japanese{
    "| セクション | キー | 値の形式 | 既定値 | 効果 |\n|---|---|---|---|---|\n",
    "書体名",
    "大きさ (ポイント)",
    "スタイルの和: 1 太字, 2 斜体, 4 下線, 8 取り消し線",
    "`0x` と16進8桁: `0x00BBGGRR` (青緑赤) か、システム色 `0x800000nn`",
    "`1` (する) か `0` (しない)",
    "10進の整数",
    "文字列",
    "ファイルのパス",
    "exe と同じフォルダの ",
    "修飾キー (Win, Ctrl, Alt, Shift の順) とキーを `+` でつないだ文字列: `Ctrl+Alt+Space`, `Win+Shift+L`, `F12`",
    "`ja`, `en` か空",
    "空",
};

constexpr TWords English{
    "| Section | Key | Value format | Default | Effect |\n|---|---|---|---|---|\n",
    "typeface name",
    "size in points",
    "sum of styles: 1 bold, 2 italic, 4 underline, 8 strike-out",
    "`0x` and 8 hexadecimal digits: `0x00BBGGRR` (blue, green, red), or a system colour `0x800000nn`",
    "`1` (on) or `0` (off)",
    "decimal integer",
    "text",
    "path of a file",
    "in the exe's folder: ",
    "modifiers (in the order Win, Ctrl, Alt, Shift) and a key, joined by `+`: `Ctrl+Alt+Space`, `Win+Shift+L`, `F12`",
    "`ja`, `en` or empty",
    "empty",
};

std::string Row(const TSettingKey& key, std::string_view suffix, const char* format, const std::string& defaultValue,
                const char* effect) {
  // Appended piece by piece: GCC 12 warns wrongly of overlap on a literal + a temporary string.
  std::string row = "| ";
  row.append(ToUtf8(key.Section)).append(" | `").append(ToUtf8(key.Key)).append(suffix).append("` | ");
  return row.append(format).append(" | ").append(defaultValue).append(" | ").append(effect).append(" |\n");
}

std::string Code(const std::wstring& text) { return std::string("`").append(ToUtf8(text)).append("`"); }

std::string Rows(const TSettingKey& key, const TWords& words, const char* effect) {
  switch (key.Kind) {
    case TSettingKind::skFont: {
      const TFontDescription font;
      return Row(key, ".Name", words.FontName, Code(font.Name), effect) +
             Row(key, ".Size", words.FontSize, Code(std::to_wstring(font.Size(ReferencePixelsPerInch))), effect) +
             Row(key, ".Style", words.FontStyle, Code(std::to_wstring(font.Style.Bits())), effect) +
             Row(key, ".Color", words.Color, Code(HexText(static_cast<std::int32_t>(font.Color))), effect);
    }
    case TSettingKind::skColor:
      return Row(key, "", words.Color, Code(HexText(key.Number)), effect);
    case TSettingKind::skSwitch:
      return Row(key, "", words.Switch, Code(std::to_wstring(key.Number)), effect);
    case TSettingKind::skNumber:
      return Row(key, "", words.Number, Code(std::to_wstring(key.Number)), effect);
    case TSettingKind::skText:
      return Row(key, "", words.Text, Code(key.Text), effect);
    case TSettingKind::skPicture:
      return Row(key, "", words.Picture, std::string(words.BesideExecutable).append(Code(key.Text)), effect);
    case TSettingKind::skHotkey:
      return Row(key, "", words.Hotkey, *key.Text ? Code(key.Text) : std::string(words.Nothing), effect);
    case TSettingKind::skLanguage:
      return Row(key, "", words.Language, words.Nothing, effect);
  }
  return {};
}

constexpr std::string_view EndMarker = "<!-- /ini-reference -->";

}  // namespace

std::string IniReference(TGuideLanguage language) {
  const bool japanese = language == TGuideLanguage::glJapanese;
  const TWords& words = japanese ? Japanese : English;
  std::string table = words.Header;
  for (const TSettingKey* key : SettingKeysInFileOrder())
    table += Rows(*key, words, japanese ? key->EffectJa : key->EffectEn);
  return table;
}

std::string WithIniReference(std::string_view guide) {
  const struct {
    std::string_view Marker;
    TGuideLanguage Language;
  } blocks[] = {{"<!-- ini-reference:ja -->\n", TGuideLanguage::glJapanese},
                {"<!-- ini-reference:en -->\n", TGuideLanguage::glEnglish}};
  std::string result(guide);
  for (const auto& block : blocks) {
    for (size_t at = result.find(block.Marker); at != std::string::npos; at = result.find(block.Marker, at + 1)) {
      const size_t start = at + block.Marker.size();
      const size_t end = result.find(EndMarker, start);
      if (end == std::string::npos) break;
      const std::string table = IniReference(block.Language);
      result.replace(start, end - start, table);
    }
  }
  return result;
}
