#pragma once
// The names of everything in the menu tree, kept for searching as the menus show them, read on
// workers and kept up to date. A search runs on the UI thread against the snapshot last
// published, and never waits for a folder: one still being read makes the results say so.
//
// Change notifications do not say what changed, and folders reached through shortcuts send
// none: on FolderChanged, and every RecheckIntervalMs for those outside the menu folder, each
// folder's last-write time is looked at, and only the folders whose time moved are read again.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/call_queues.h"
#include "framework/window.h"
#include "search/index_tree.h"
#include "search/search_results.h"
#include "search/search_text.h"

class TSearchIndex : private TWindow {
public:
  static constexpr UINT RecheckIntervalMs = 60000;

  // Reads nothing until Start. All members are for the thread that made the index.
  TSearchIndex(std::wstring menuFolder, std::shared_ptr<const TIndexFileSystem> fileSystem);
  ~TSearchIndex() override;

  // Starts reading the tree `delayMs` from now, and checking it again from time to time.
  void Start(UINT delayMs = 0);
  // While held, no new call is made: the menus read a share without the index reading it
  // too. (Under Wine a directory listing holds a lock of the whole process, so a slow share
  // listed here would hold back every listing of the menus.)
  void Hold(bool held);
  // Something under the menu folder changed.
  void FolderChanged();

  // The matches of `text` in the tree, or below the folder at `subtree` (a full path, as the
  // menus reach it) when one is given. `recent`: full paths, most recently started first.
  TSearchResults Search(std::wstring_view text, const std::vector<std::wstring>& recent, std::size_t maxHits,
                        std::wstring_view subtree = {}) const;
  std::shared_ptr<const TIndexSnapshot> Snapshot() const { return FTree.Snapshot(); }

  // A new snapshot is published: results on show may be searched again.
  std::function<void()> OnChange;

private:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Post(const TIndexCall& call);
  void BeginReading();
  void ScheduleUpdate();
  void Update();

  std::shared_ptr<const TIndexFileSystem> FFileSystem;
  TTextFolding FFolding;
  TIndexTree FTree;
  TCallQueues FQueues;
  bool FUpdatePosted = false;
  bool FHeld = false;
  bool FStarted = false;
};
