#pragma once
// Typing in a launcher menu searches the whole tree once no item of the open menu starts with
// the text: the menus close, and the results show where the launcher menu stood, with the keys
// typed meanwhile. The index reads the tree in the background; items started, from the menus
// or the results, come first within their rank.
#include <windows.h>

#include <string>
#include <unordered_map>

#include "search/recent_items.h"
#include "search/search_index.h"

class TContextMenuEx;
class TImageList;
class TPopupCool;
class TSearchWindow;
struct TSearchHit;

class TTreeSearch {
public:
  TTreeSearch(TPopupCool& styler, TImageList& images, TContextMenuEx& shellMenus, std::wstring menuFolder,
              std::shared_ptr<const TIndexFileSystem> fileSystem);

  // Reads the items started from `recentFile`, and starts reading the tree a moment later: the
  // start-up's own reads, the first menu's included, come first.
  void Start(const std::wstring& recentFile);
  // A launcher menu is open, or no longer: the index makes no new calls while one is, so that
  // the menu's own reads of a share come first.
  void MenuOpen(bool open) { FIndex.Hold(open); }
  // Something under the menu folder changed.
  void FolderChanged() { FIndex.FolderChanged(); }
  // `path` was started.
  void Started(const std::wstring& path) { FRecent.Started(path); }

  // The menus found nothing for `typed` and are closing: the results open at the top-left of
  // `place` once they have closed, searching below `folder` (the menu folder when empty).
  void Take(const std::wstring& typed, const RECT& place, const std::wstring& folder);
  // The menus have closed: shows the results taken, if any.
  void ShowTaken();
  TSearchWindow& Window() const { return *FWindow; }

private:
  int HitImage(const TSearchHit& hit);
  void Run(const TSearchHit& hit);

  TImageList& FImages;
  TSearchIndex FIndex;
  TRecentItems FRecent;
  TSearchWindow* FWindow;  // owned by the styler's owner
  std::wstring FTaken;     // empty when nothing was
  POINT FPlace{};
  std::wstring FSubtree;
  // Type icons added to the image list, by extension, at the size they were made for.
  std::unordered_map<std::wstring, int> FTypeImages;
  int FTypeImageSize = 0;
};
