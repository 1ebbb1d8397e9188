#include "settings/settings_file.h"

#include <algorithm>

#include "settings/ini_gt.h"
#include "settings/setting_keys.h"

void UseAsSettingsFile(TIniGT& ini) {
  ini.BeginLoading();
  ini.SetDefaultDir(TIniGTDefaultDir::ddApplication);
  ini.SetFence(TIniGTFence::fnNone);
  ini.EndLoading();
}

TLanguage InterfaceLanguage(const TIniGTHost& host, std::uint16_t uiLanguage) {
  TIniGT ini(nullptr, host);
  UseAsSettingsFile(ini);
  const auto keys = SettingKeys();
  const auto key = std::find_if(keys.begin(), keys.end(), [](const TSettingKey& key) {
    return key.Kind == TSettingKind::skLanguage;
  });
  return ChooseLanguage(ini.ReadString(key->Section, key->Key, key->Text), uiLanguage);
}
