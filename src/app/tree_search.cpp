#include "app/tree_search.h"

#include <cwctype>
#include <filesystem>

#include "app/file_icons.h"
#include "app/shell_launch.h"
#include "framework/image_list.h"
#include "framework/popup_menu.h"
#include "menu/popup_cool.h"
#include "search/search_window.h"
#include "shell/context_menu_ex.h"

namespace {

constexpr UINT FirstReadDelayMs = 3000;

}  // namespace

TTreeSearch::TTreeSearch(TPopupCool& styler, TImageList& images, TContextMenuEx& shellMenus, std::wstring menuFolder,
                         std::shared_ptr<const TIndexFileSystem> fileSystem)
    : FImages(images), FIndex(std::move(menuFolder), std::move(fileSystem)) {
  FWindow = &styler.Owner()->Make<TSearchWindow>(
      styler,
      [this](const std::wstring& query, std::size_t maxHits) {
        return FIndex.Search(query, FRecent.Paths(), maxHits, FSubtree);
      },
      [this](const TSearchHit& hit) { Run(hit); },
      [&shellMenus](const TSearchHit& hit, HWND window, POINT at) {
        return shellMenus.PopupFile(window, hit.Path, at.x, at.y);
      },
      [this](const TSearchHit& hit) { return HitImage(hit); });
  FIndex.OnChange = [this] { FWindow->Refresh(); };
}

void TTreeSearch::Start(const std::wstring& recentFile) {
  FRecent.Load(recentFile);
  FIndex.Start(FirstReadDelayMs);
}

void TTreeSearch::Take(const std::wstring& typed, const RECT& place, const std::wstring& folder) {
  FTaken = typed;
  FPlace = {place.left, place.top};
  FSubtree = folder;
}

void TTreeSearch::ShowTaken() {
  const std::wstring kept = TPopupMenu::TakeKeptKeys();
  if (FTaken.empty()) return;
  FWindow->Show(FPlace, FTaken);
  FTaken.clear();
  FWindow->TypeKeys(kept);
}

void TTreeSearch::Run(const TSearchHit& hit) {
  FRecent.Started(hit.Path);
  LaunchWithShell(hit.Path);
}

int TTreeSearch::HitImage(const TSearchHit& hit) {
  // A folder shows none, as in the menus. Files show their type's icon, which reads no disk.
  if (hit.IsFolder) return -1;
  if (FTypeImageSize != FImages.Width()) {
    FTypeImages.clear();  // the list was emptied for another size
    FTypeImageSize = FImages.Width();
  }
  std::wstring extension = std::filesystem::path(hit.Path).extension().wstring();
  for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towlower(c));
  if (const auto found = FTypeImages.find(extension); found != FTypeImages.end()) return found->second;
  const TIconHandle icon = TypeSmallIcon(hit.Path, FTypeImageSize);
  const int index = icon ? FImages.AddIcon(icon.Get()) : -1;
  FTypeImages.emplace(extension, index);
  return index;
}
