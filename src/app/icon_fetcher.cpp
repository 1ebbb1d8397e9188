#include "app/icon_fetcher.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "framework/posted_answer.h"

namespace {

constexpr UINT WM_ICON = WM_APP + 1;
// Lookups by type read no disk, so they never wait behind a file's.
const std::wstring TypeQueue = L"types";

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

TIconFetcher::TIconFetcher(TImageList& images, TLookUp lookUp, TImagesEvent onImages)
    : FImages(images), FLookUp(std::move(lookUp)), FOnImages(std::move(onImages)) {
  TWindowParams params;
  params.ClassName = L"TIconFetcher";
  params.Parent = HWND_MESSAGE;
  CreateHandle(params);
}

void TIconFetcher::Fetch(TMenuItem& item) {
  ++FLookups;
  const std::wstring& path = item.Hint();
  const TIconKey key = IconKeyOf(path);
  const bool ownIcon = HasOwnIcon(key);
  if (!ownIcon) {
    if (const int cached = FindCached(key); cached >= 0) {
      ++FHits;
      TMenuItem* const items[] = {&item};
      FOnImages(items, cached);
      return;
    }
    if (const auto asked = FAwaitingType.find(key); asked != FAwaitingType.end()) {
      ++FHits;  // one lookup serves every file of the type
      asked->second.push_back(&item);
      return;
    }
  }
  const int keysTaken = FCacheCount + static_cast<int>(FAwaitingType.size());
  const bool shared = !ownIcon && !IsShortcutKey(key) && keysTaken < CacheCapacity;
  TIconRequest request{FGeneration, path, FImages.Width(), TIconSource::isType, std::nullopt};
  if (shared) {
    FAwaitingType[key].push_back(&item);
  } else {
    std::vector<TMenuItem*>& waiting = FAwaitingFile[path];
    waiting.push_back(&item);
    if (waiting.size() > 1) return;  // asked for already
    request.Source = ownIcon ? TIconSource::isOwnIcon : TIconSource::isShell;
    if (const auto kept = FFileImages.find(path); kept != FFileImages.end()) request.KeptStamp = kept->second.Stamp;
  }
  const std::wstring queue = shared ? TypeQueue : QueueOf(path);
  FQueues.Post(queue, [lookUp = FLookUp, window = Handle(), request = std::move(request)] {
    PostAnswer(window, WM_ICON, std::make_unique<TIconAnswer>(lookUp(request)));
  });
}

void TIconFetcher::Forget() {
  ++FGeneration;
  FAwaitingType.clear();
  FAwaitingFile.clear();
  FQueues.DropWaiting();  // their answers would be dropped anyway
}

void TIconFetcher::Resize(int size) {
  // Icons fetched for another size would be drawn too small, or stretched.
  Forget();
  FImages.SetSize(size, size);
  FCacheCount = 0;
  FFileImages.clear();
}

void TIconFetcher::Arrived(const TIconAnswer& answer) {
  if (answer.Request.Generation != FGeneration) {
    ++FStaleIcons;
    return;
  }
  const std::wstring& path = answer.Request.Path;
  std::vector<TMenuItem*> items;
  int index = -1;
  if (answer.Request.Source == TIconSource::isType) {
    const TIconKey key = IconKeyOf(path);
    items = TakeWaiting(FAwaitingType, key);
    if (answer.Icon) {
      index = FImages.AddIcon(answer.Icon.Get());
      Cache(key, index);
    }
  } else {
    items = TakeWaiting(FAwaitingFile, path);
    index = KeepFileImage(answer);
  }
  if (index >= 0) FOnImages(items, index);
}

int TIconFetcher::KeepFileImage(const TIconAnswer& answer) {
  const auto known = FFileImages.find(answer.Request.Path);
  if (answer.Unchanged && known != FFileImages.end()) return known->second.ImageIndex;
  if (!answer.Icon) return -1;
  if (known != FFileImages.end()) {
    // The file changed: its new picture takes the old one's place.
    FImages.ReplaceIcon(known->second.ImageIndex, answer.Icon.Get());
    known->second.Stamp = answer.Stamp;
    return known->second.ImageIndex;
  }
  const int index = FImages.AddIcon(answer.Icon.Get());
  FFileImages.emplace(answer.Request.Path, TFileImage{answer.Stamp, index});
  return index;
}

int TIconFetcher::FindCached(const TIconKey& key) const {
  const auto end = FCache.begin() + FCacheCount;
  const auto found = std::find_if(FCache.begin(), end, [&](const TCacheEntry& entry) { return entry.Key == key; });
  return found == end ? -1 : found->ImageIndex;
}

void TIconFetcher::Cache(const TIconKey& key, int imageIndex) {
  if (FCacheCount >= CacheCapacity) return;
  FCache[static_cast<size_t>(FCacheCount++)] = {key, imageIndex};
}

LRESULT TIconFetcher::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_ICON) return TWindow::WndProc(message, wParam, lParam);
  Arrived(*ReceivedAnswer<TIconAnswer>(lParam));
  return 0;
}
