#pragma once
// The folders that shortcuts lead to, checked on a worker thread. The caller waits a moment for
// the answer and goes on without it where the targets are slow to check (a share that has gone
// away); the answer then comes later as a posted message.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TComWorker;

struct TShortcutFolders {
  std::uint64_t Generation = 0;  // the request it answers
  std::vector<std::wstring> Shortcuts;
  // For each shortcut, the folder it leads to, or empty when it leads to none.
  std::vector<std::wstring> Folders;
};

// Finds the folders of `request.Shortcuts` on `worker`. Returns the answer when it is there
// within `waitMs`; otherwise none, and the answer is posted to `window` as `message` (lParam, to
// be taken over with ReceivedAnswer) when it comes.
std::unique_ptr<TShortcutFolders> CheckShortcutFolders(TComWorker& worker, TShortcutFolders request, unsigned waitMs,
                                                       HWND window, UINT message);
