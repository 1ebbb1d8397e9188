// Saves settings into the INI file at argv[1] over and over, as the settings dialog saves
// them, until it is killed. Each save writes the same counter first and last, so a reader can
// tell a whole file from a torn one; counting goes on from the file's last save.
#include <string>

#include "settings/ini_file.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  TIniFile ini(argv[1], L"");
  const std::wstring padding(400, L'設');
  for (int count = ini.ReadInteger(L"Tail", L"Count", 0) + 1;; ++count) {
    ini.Update([&] {
      ini.WriteInteger(L"Menu", L"Count", count);
      for (int key = 0; key < 12; ++key)
        ini.WriteString(L"Menu", L"Key" + std::to_wstring(key), std::to_wstring(count) + padding);
      ini.WriteInteger(L"Tail", L"Count", count);
    });
  }
}
