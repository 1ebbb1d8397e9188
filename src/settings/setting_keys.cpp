#include "settings/setting_keys.h"

#include <algorithm>
#include <string_view>

#include "framework/color.h"
#include "settings/menu_build_settings.h"

namespace {

using enum TSettingId;
using enum TSettingKind;

constexpr TSettingKey Keys[] = {
    {siItemFont, L"Menu", L"Font1", skFont, 0, nullptr, "メニュー項目の文字", "Menu item text"},
    {siSelectedFont, L"Menu", L"Font2", skFont, 0, nullptr, "選択中の項目の文字", "Text of the selected item"},
    {siBannerFont, L"Banner", L"Font", skFont, 0, nullptr, "サイドバナーの文字。バナーの幅もこの大きさで決まります",
     "Side banner text; the banner's width follows its size"},
    {siItemColor, L"Menu", L"Color1", skColor, static_cast<std::int32_t>(clMenu), nullptr, "項目の背景色",
     "Background of the items"},
    {siSelectedColor, L"Menu", L"Color2", skColor, static_cast<std::int32_t>(clHighlight), nullptr,
     "選択中の項目の背景色", "Background of the selected item"},
    {siBannerTopColor, L"Banner", L"Color1", skColor, static_cast<std::int32_t>(clWhite), nullptr,
     "サイドバナーの上側の色", "Top colour of the side banner's gradient"},
    {siBannerBottomColor, L"Banner", L"Color2", skColor, static_cast<std::int32_t>(clBlack), nullptr,
     "サイドバナーの下側の色", "Bottom colour of the side banner's gradient"},
    {siShowIcons, L"Icon", L"Show", skSwitch, 1, nullptr, "ファイルのアイコンを表示する", "Show file icons"},
    {siShowBanner, L"Banner", L"Show", skSwitch, 1, nullptr, "サイドバナーを表示する", "Show the side banner"},
    {siVerticalBars, L"Menu", L"Vert", skSwitch, 1, nullptr, "列の間に縦線を入れる",
     "Draw a vertical line between columns"},
    {siSplitColumns, L"Menu", L"Split", skSwitch, 1, nullptr, "長いメニューを列に分ける",
     "Split long menus into columns"},
    {siColumnLength, L"Menu", L"VertNum", skNumber, TMenuBuildSettings::DefaultColumnLength, nullptr,
     "1列の項目数 (2〜100。範囲外の値は2か100になります)",
     "Items per column (2 to 100; a value outside becomes 2 or 100)"},
    {siBannerCaption, L"Banner", L"Caption", skText, 0, L"Tamarind", "サイドバナーに表示する文字",
     "Text shown in the side banner"},
    {siNormalBack, L"Menu", L"BG1", skPicture, 0, L"NormalBack.Bmp",
     "項目の背景に敷き詰めるビットマップ (.bmp)。空か、読めないファイルなら背景色だけ",
     "Bitmap (.bmp) tiled behind the items; empty, or a file that cannot be read: the colour alone"},
    {siActiveBack, L"Menu", L"BG2", skPicture, 0, L"ActiveBack.Bmp",
     "選択中の項目の背景に敷き詰めるビットマップ (.bmp)。空か、読めないファイルなら背景色だけ",
     "Bitmap (.bmp) tiled behind the selected item; empty, or a file that cannot be read: the colour alone"},
    {siGesture, L"Gesture", L"Enabled", skSwitch, 1, nullptr, "画面上で円を描くとメニューを開く (0で無効)",
     "Drawing a circle with the mouse opens the menu (0 switches it off)"},
    {siHotkey, L"Hotkey", L"Key", skHotkey, 0, L"",
     "どこからでもポインタの位置にメニューを開くキーの組み合わせ。もう一度押すと閉じます (空ならなし)",
     "Key combination that opens the menu at the pointer from anywhere; pressed again it closes the menu "
     "(empty: none)"},
    {siLanguage, L"Interface", L"Language", skLanguage, 0, L"",
     "画面の言葉: `ja` は日本語、`en` は英語、空なら Windows の表示言語に従います (次の起動から)",
     "The interface's language: `ja` Japanese, `en` English, empty: Windows' display language (from the next "
     "start)"},
};

}  // namespace

std::span<const TSettingKey> SettingKeys() { return Keys; }

std::vector<const TSettingKey*> SettingKeysInFileOrder() {
  // A new key joins the end of its section, and a new section the end of the file.
  std::vector<const TSettingKey*> ordered;
  for (const TSettingKey& first : Keys) {
    const bool sectionSeen = std::any_of(ordered.begin(), ordered.end(), [&](const TSettingKey* key) {
      return std::wstring_view(key->Section) == first.Section;
    });
    if (sectionSeen) continue;
    for (const TSettingKey& key : Keys)
      if (std::wstring_view(key.Section) == first.Section) ordered.push_back(&key);
  }
  return ordered;
}

std::vector<std::pair<std::wstring, std::wstring>> StoredKeys() {
  std::vector<std::pair<std::wstring, std::wstring>> stored;
  for (const TSettingKey* found : SettingKeysInFileOrder()) {
    const TSettingKey& key = *found;
    if (key.Kind != skFont) {
      stored.emplace_back(key.Section, key.Key);
      continue;
    }
    for (const wchar_t* part : {L".Name", L".Size", L".Style", L".Color"})
      stored.emplace_back(key.Section, std::wstring(key.Key) + part);
  }
  return stored;
}
