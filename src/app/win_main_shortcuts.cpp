// Shortcuts in the root of the launcher menu that lead to folders become submenus. Their
// targets may lie on a share that has gone away, so they are checked on a worker: the root
// waits a moment for them, shows the slow ones as ordinary items, and turns them into submenus
// with a rebuild when the worker confirms them.
#include "app/com_worker.h"
#include "app/menu_folder.h"
#include "app/posted_answer.h"
#include "app/shortcut_folders.h"
#include "app/win_main.h"
#include "framework/system_paths.h"

TFolderListing TWinMain::ListRoot() {
  TFolderListing listing =
      ListFolder(MenuFolderPath(ExecutablePath()), ListingFilter(), TShortcutTargets::stUnchecked);
  TShortcutFolders request;
  for (const TListedEntry& listed : listing.Entries)
    if (!(listed.Entry.Attr & FILE_ATTRIBUTE_DIRECTORY) && IsShortcutPath(listed.Entry.Name))
      request.Shortcuts.push_back(listed.Entry.Name);
  request.Generation = ++FShortcutCheckGeneration;
  if (request.Shortcuts.empty()) {
    FShortcutFolders.clear();
    return listing;
  }
  if (!FShortcutWorker) FShortcutWorker = std::make_unique<TComWorker>();
  FShortcutWorker->DropWaiting();  // an older check's answer would be dropped anyway
  if (const auto answer = CheckShortcutFolders(*FShortcutWorker, std::move(request), ShortcutCheckWaitMs, Handle(),
                                               WM_SHORTCUTFOLDERS))
    KeepShortcutFolders(*answer);
  // Until a slow check answers, its shortcuts are shown as they were last found.
  for (TListedEntry& listed : listing.Entries)
    if (const auto known = FShortcutFolders.find(listed.Entry.Name); known != FShortcutFolders.end())
      listed.FolderTarget = known->second;
  return listing;
}

bool TWinMain::KeepShortcutFolders(const TShortcutFolders& answer) {
  std::unordered_map<std::wstring, std::wstring> folders;
  bool changed = false;
  for (size_t k = 0; k < answer.Shortcuts.size(); ++k) {
    const auto known = FShortcutFolders.find(answer.Shortcuts[k]);
    changed = changed || answer.Folders[k] != (known == FShortcutFolders.end() ? std::wstring() : known->second);
    folders.emplace(answer.Shortcuts[k], answer.Folders[k]);
  }
  FShortcutFolders = std::move(folders);
  return changed;
}

void TWinMain::WMShortcutFolders(TMessage& message) {
  message.Result = 0;
  const std::unique_ptr<TShortcutFolders> answer = ReceivedAnswer<TShortcutFolders>(message.LParam);
  if (answer->Generation != FShortcutCheckGeneration) {
    ++StaleListings;
    return;
  }
  // Waits, while a menu is open, until it closes.
  if (KeepShortcutFolders(*answer)) RebuildMenu();
}
