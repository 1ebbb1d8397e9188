#pragma once
// The items started last, kept in a file beside the INI file across runs (see RecentFilePath).
// An item whose file has gone leaves the list: each is looked for once, on loading, on a worker
// of its drive's or server's queue, so that a share that does not answer holds back nothing and
// only keeps its items; a search never shows an item the index does not hold, so one gone later
// in a run only keeps its place until the next start.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/call_queues.h"
#include "framework/window.h"

class TRecentItems : private TWindow {
public:
  TRecentItems();

  // Reads the list from `file`; a file missing or unreadable gives an empty list.
  void Load(const std::wstring& file);
  // `path` was started: it goes to the front, and the list is saved. False when it could not be
  // saved (the list is kept all the same).
  bool Started(const std::wstring& path);
  // Full paths, most recently started first.
  const std::vector<std::wstring>& Paths() const { return FPaths; }

private:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool Save() const;

  std::wstring FFile;
  std::vector<std::wstring> FPaths;
  TCallQueues FQueues;
};
