// File icons of the launcher menu: shared by extension through a fixed cache of 1000 keys;
// files that carry their own picture keep one image each, reused while the file is unchanged.
// The lookups run on a worker, since a file on an unreachable share can hold them for tens of
// seconds: items show at once, and each icon follows as it comes.
#include <algorithm>
#include <string>

#include "app/com_worker.h"
#include "app/open_menus.h"
#include "app/posted_answer.h"
#include "app/win_main.h"
#include "framework/dpi.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "menu/popup_cool.h"
#include "tray/tray_icon.h"

namespace {

// The items that waited for `key`'s answer, which no longer wait.
template <typename Map, typename Key>
std::vector<TMenuItem*> TakeWaiting(Map& waiting, const Key& key) {
  const auto found = waiting.find(key);
  if (found == waiting.end()) return {};
  std::vector<TMenuItem*> items = std::move(found->second);
  waiting.erase(found);
  return items;
}

}  // namespace

void TWinMain::FetchIcon(TMenuItem& Item) {
  ++IconLookups;
  const std::wstring& path = Item.Hint();
  FPCMain->SetItemImage(Item, -1, path);  // the hint holds at once; the picture follows
  const TIconKey key = IconKeyOf(path);
  const bool ownIcon = HasOwnIcon(key);
  if (!ownIcon) {
    if (const int cached = FindIconKey(key); cached >= 0) {
      ++IconHits;
      FPCMain->SetItemImage(Item, cached, path);
      return;
    }
    if (const auto asked = FItemsAwaitingType.find(key); asked != FItemsAwaitingType.end()) {
      ++IconHits;  // one lookup serves every file of the type
      asked->second.push_back(&Item);
      return;
    }
  }
  const int keysTaken = FIconCacheCount + static_cast<int>(FItemsAwaitingType.size());
  const bool shared = !ownIcon && !IsShortcutKey(key) && keysTaken < IconCacheCapacity;
  TIconRequest request{FIconGeneration, path, FImageList->Width(), TIconSource::isType, std::nullopt};
  if (shared) {
    FItemsAwaitingType[key].push_back(&Item);
  } else {
    std::vector<TMenuItem*>& waiting = FItemsAwaitingFile[path];
    waiting.push_back(&Item);
    if (waiting.size() > 1) return;  // asked for already
    request.Source = ownIcon ? TIconSource::isOwnIcon : TIconSource::isShell;
    if (const auto kept = FFileImages.find(path); kept != FFileImages.end()) request.KeptStamp = kept->second.Stamp;
  }
  if (!FIconWorker) FIconWorker = std::make_unique<TComWorker>();
  FIconWorker->Post([window = Handle(), request = std::move(request)] {
    PostAnswer(window, WM_ICON, std::make_unique<TIconAnswer>(LookUpIcon(request)));
  });
}

void TWinMain::WMIcon(TMessage& message) {
  message.Result = 0;
  const std::unique_ptr<TIconAnswer> answer = ReceivedAnswer<TIconAnswer>(message.LParam);
  if (answer->Request.Generation != FIconGeneration) {
    ++StaleIcons;
    return;
  }
  const std::wstring& path = answer->Request.Path;
  std::vector<TMenuItem*> items;
  int index = -1;
  if (answer->Request.Source == TIconSource::isType) {
    const TIconKey key = IconKeyOf(path);
    items = TakeWaiting(FItemsAwaitingType, key);
    if (answer->Icon) {
      index = FImageList->AddIcon(answer->Icon.Get());
      AddIconKey(key, index);
    }
  } else {
    items = TakeWaiting(FItemsAwaitingFile, path);
    index = KeepFileImage(*answer);
  }
  if (index < 0) return;
  for (TMenuItem* item : items) FPCMain->SetItemImage(*item, index, item->Hint());
  RepaintOpenMenus();
}

void TWinMain::ForgetIcons() {
  ++FIconGeneration;
  FItemsAwaitingType.clear();
  FItemsAwaitingFile.clear();
  if (FIconWorker) FIconWorker->DropWaiting();  // their answers would be dropped anyway
}

void TWinMain::FitIconsToDpi(int dpi) {
  const int size = SmallIconSize(dpi);
  // Items of a build that must wait would keep indices into the emptied list: the next menu
  // fits the size instead.
  if (size == FImageList->Width() || RebuildMustWait()) return;
  // Icons fetched for another size would be drawn too small, or stretched: fetch them afresh.
  ForgetIcons();
  FImageList->SetSize(size, size);
  FIconCacheCount = 0;
  FFileImages.clear();
  RebuildMenu();
}

void TWinMain::ShowIconCounters() {
  // After the name, so that the tip still says which program the icon belongs to.
  FTrayIcon1->SetTipHelp(std::wstring(ProgramName) + L" (" + std::to_wstring(IconHits) + L"/" +
                         std::to_wstring(IconLookups) + L")");
}

int TWinMain::KeepFileImage(const TIconAnswer& answer) {
  const auto known = FFileImages.find(answer.Request.Path);
  if (answer.Unchanged && known != FFileImages.end()) return known->second.ImageIndex;
  if (!answer.Icon) return -1;
  if (known != FFileImages.end()) {
    // The file changed: its new picture takes the old one's place.
    FImageList->ReplaceIcon(known->second.ImageIndex, answer.Icon.Get());
    known->second.Stamp = answer.Stamp;
    return known->second.ImageIndex;
  }
  const int index = FImageList->AddIcon(answer.Icon.Get());
  FFileImages.emplace(answer.Request.Path, TFileImage{answer.Stamp, index});
  return index;
}

int TWinMain::FindIconKey(const TIconKey& Key) const {
  const auto end = FIconCache.begin() + FIconCacheCount;
  const auto found = std::find_if(FIconCache.begin(), end, [&](const TIconCacheEntry& entry) { return entry.Key == Key; });
  return found == end ? -1 : found->ImageIndex;
}

void TWinMain::AddIconKey(const TIconKey& Key, int ImageIndex) {
  if (FIconCacheCount >= IconCacheCapacity) return;
  FIconCache[static_cast<size_t>(FIconCacheCount++)] = {Key, ImageIndex};
}
