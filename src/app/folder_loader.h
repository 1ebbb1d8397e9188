#pragma once
// Lists the folder of a highlighted submenu on a worker and tells the menu how it fares: the
// listing, or after a while that it is still being read, or that the folder does not answer.
// Only the newest request counts: an answer to an older one, or to one forgotten since, is
// dropped.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "folder/folder_listing.h"
#include "framework/call_queues.h"
#include "framework/window.h"

class TMenuItem;

// What a submenu shows while its listing is missing.
enum class TListingNote : std::uint8_t { lnNone, lnLoading, lnNoAnswer };

class TFolderLoader : private TWindow {
public:
  // A submenu whose listing is not back after this long shows that it is being read...
  static constexpr UINT LoadingNoteDelayMs = 150;
  // ... and after this long, that the folder does not answer; the next highlight asks again.
  static constexpr UINT NoAnswerDelayMs = 10000;

  // Lists a folder; runs on a worker, and may block as long as the file system does.
  using TLister = std::function<TFolderListing(const std::wstring& folder)>;
  // The listing of `folder`, which no longer waits.
  using TListedEvent = std::function<void(TMenuItem& folder, const TFolderListing& listing)>;
  // The note `folder` shows.
  using TNoteEvent = std::function<void(TMenuItem& folder, TListingNote note)>;

  TFolderLoader(TLister lister, TListedEvent onListed, TNoteEvent onNote);
  ~TFolderLoader() override;

  // Lists with `lister` from the next request on.
  void SetLister(TLister lister) { FLister = std::move(lister); }
  // Lists the folder whose path is `folder`'s hint, in place of any earlier request.
  void Request(TMenuItem& folder);
  // Ends the wait: the answer, when it comes, is dropped.
  void Forget();
  // The submenu waiting for its listing, or none.
  TMenuItem* Target() const { return FTarget; }
  // Listings that came back for a request forgotten or replaced since, and were dropped.
  std::int32_t StaleListings() const { return FStaleListings; }

private:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Listed(std::unique_ptr<TFolderListing> listing);
  void StopTimers();

  TLister FLister;
  TListedEvent FOnListed;
  TNoteEvent FOnNote;
  TCallQueues FQueues;
  std::uint64_t FGeneration = 0;  // of the newest request; an answer with another is stale
  TMenuItem* FTarget = nullptr;   // not owning
  std::int32_t FStaleListings = 0;
};
