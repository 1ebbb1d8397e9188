#pragma once
// File icons of the launcher menu, looked up on workers: items show at once, and each icon
// follows as it comes. Files of one type share an icon through a fixed cache of extension
// keys, and one lookup serves every item that waits for it; files that carry their own picture
// keep one image each, reused while the file is unchanged. Lookups by type read no disk and
// have a queue of their own; the others are queued by the volume of their file.
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/file_icons.h"
#include "app/icon_key.h"
#include "framework/call_queues.h"
#include "framework/window.h"

class TImageList;
class TMenuItem;

class TIconFetcher : private TWindow {
public:
  static constexpr int CacheCapacity = 1000;

  // Looks up one icon; runs on a worker, and may block as long as the file system does.
  using TLookUp = std::function<TIconAnswer(TIconRequest request)>;
  // `items` have their picture: image `imageIndex` of the list.
  using TImagesEvent = std::function<void(std::span<TMenuItem* const> items, int imageIndex)>;

  TIconFetcher(TImageList& images, TLookUp lookUp, TImagesEvent onImages);

  // Looks up with `lookUp` from the next request on.
  void SetLookUp(TLookUp lookUp) { FLookUp = std::move(lookUp); }
  // Gives a file item, whose hint is its path, its icon: at once from the cache, otherwise when
  // a worker answers.
  void Fetch(TMenuItem& item);
  // The items asked for are about to go: answers still to come for them are dropped.
  void Forget();
  // Icons of `size` pixels from now on: the list and the caches start empty.
  void Resize(int size);
  // Whether items still wait for icons.
  bool Awaited() const { return !FAwaitingType.empty() || !FAwaitingFile.empty(); }
  // Extension keys cached, at most CacheCapacity.
  int CachedTypes() const { return FCacheCount; }
  // Items asked for, and those served by the cache or by a lookup already asked.
  std::int32_t Lookups() const { return FLookups; }
  std::int32_t Hits() const { return FHits; }
  // Answers that came for items forgotten since, and were dropped.
  std::int32_t StaleIcons() const { return FStaleIcons; }

private:
  struct TCacheEntry {
    TIconKey Key;
    std::int32_t ImageIndex;
  };

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Arrived(const TIconAnswer& answer);
  int FindCached(const TIconKey& key) const;
  void Cache(const TIconKey& key, int imageIndex);
  // The image for a file that has its own, reused while the file is unchanged; -1 for none.
  int KeepFileImage(const TIconAnswer& answer);

  TImageList& FImages;
  TLookUp FLookUp;
  TImagesEvent FOnImages;
  TCallQueues FQueues;
  std::array<TCacheEntry, CacheCapacity> FCache{};
  int FCacheCount = 0;
  // Images of files whose icon is not shared by type, by full path: a rebuild reuses them.
  std::unordered_map<std::wstring, TFileImage> FFileImages;
  // Items waiting (not owning), by the extension or the file that was asked for.
  std::map<TIconKey, std::vector<TMenuItem*>> FAwaitingType;
  std::unordered_map<std::wstring, std::vector<TMenuItem*>> FAwaitingFile;
  std::uint64_t FGeneration = 0;  // an answer asked for before the last Forget is stale
  std::int32_t FLookups = 0;
  std::int32_t FHits = 0;
  std::int32_t FStaleIcons = 0;
};
