#pragma once
// The process's tray icons, each under an identifier kept as decimal text, in creation order.
// A new icon takes the last identifier plus one, so identifiers are reused only at the end.
#include <string>
#include <utility>
#include <vector>

class TTrayIcon;

class TTrayIconList {
public:
  static constexpr size_t MaxIcons = 100;

  static TTrayIconList& Instance();

  bool Full() const { return FEntries.size() >= MaxIcons; }
  // 1 for the first icon, else the last entry's identifier plus one.
  int NextIdentifier() const;
  void Add(int identifier, TTrayIcon& icon);
  void Remove(int identifier);
  TTrayIcon* Find(int identifier) const;
  std::vector<TTrayIcon*> Icons() const;

private:
  std::vector<std::pair<std::wstring, TTrayIcon*>> FEntries;
};
