#pragma once
// Shortcuts in the root of the launcher menu that lead to folders become submenus. Their
// targets may lie on a share that has gone away, so they are checked on a worker and never
// waited for: the root shows each shortcut as the last check found it, and a check that finds
// otherwise asks for a rebuild.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "folder/folder_listing.h"
#include "framework/call_queues.h"
#include "framework/window.h"

class TShortcutChecker : private TWindow {
public:
  // The folder a shortcut leads to, or empty; runs on a worker, and may block.
  using TResolver = std::function<std::wstring(const std::wstring& shortcut)>;

  TShortcutChecker(TResolver resolver, std::function<void()> onChanged);

  // Gives the shortcuts of `listing` the folders last found for them, and checks them again.
  void Apply(TFolderListing& listing);
  // Checks that came back after a newer one was asked for, and were dropped.
  std::int32_t StaleChecks() const { return FStaleChecks; }

private:
  struct TCheck {
    std::uint64_t Generation = 0;
    std::vector<std::wstring> Shortcuts;
    std::vector<std::wstring> Folders;  // for each shortcut; empty where it leads to none
  };

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Keeps the folders `check` found; true when they differ from those known before.
  bool Keep(const TCheck& check);

  TResolver FResolver;
  std::function<void()> FOnChanged;
  TCallQueues FQueues;
  std::uint64_t FGeneration = 0;  // of the newest check
  // The folders the shortcuts led to at the last check, by shortcut.
  std::unordered_map<std::wstring, std::wstring> FFolders;
  std::int32_t FStaleChecks = 0;
};
