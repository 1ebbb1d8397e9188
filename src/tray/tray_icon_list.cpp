#include "tray/tray_icon_list.h"

#include <algorithm>

TTrayIconList& TTrayIconList::Instance() {
  static TTrayIconList list;
  return list;
}

int TTrayIconList::NextIdentifier() const {
  return FEntries.empty() ? 1 : std::stoi(FEntries.back().first) + 1;
}

void TTrayIconList::Add(int identifier, TTrayIcon& icon) { FEntries.emplace_back(std::to_wstring(identifier), &icon); }

void TTrayIconList::Remove(int identifier) {
  const std::wstring key = std::to_wstring(identifier);
  const auto it = std::find_if(FEntries.begin(), FEntries.end(), [&](const auto& e) { return e.first == key; });
  if (it != FEntries.end()) FEntries.erase(it);
}

TTrayIcon* TTrayIconList::Find(int identifier) const {
  const std::wstring key = std::to_wstring(identifier);
  const auto it = std::find_if(FEntries.begin(), FEntries.end(), [&](const auto& e) { return e.first == key; });
  return it == FEntries.end() ? nullptr : it->second;
}

std::vector<TTrayIcon*> TTrayIconList::Icons() const {
  std::vector<TTrayIcon*> icons;
  for (const auto& entry : FEntries) icons.push_back(entry.second);
  return icons;
}
