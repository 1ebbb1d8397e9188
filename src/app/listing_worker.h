#pragma once
// TListingWorker: one thread that lists folders for the launcher, so that a folder on a slow or
// unreachable share never blocks the thread that serves the menus. Each answer is posted to a
// window as a message whose lParam is a TFolderListing* the receiver takes over (and frees).
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/folder_listing.h"

class TListingWorker {
public:
  TListingWorker(HWND window, UINT message);
  // Returns at once even while a listing still hangs: that thread is left to finish alone, and
  // its answer, which no window takes any more, is freed.
  ~TListingWorker();
  TListingWorker(const TListingWorker&) = delete;
  TListingWorker& operator=(const TListingWorker&) = delete;

  // Asks for `folder`, answered with `generation`. Only the newest request is kept: one that
  // has not started yet is replaced, since its answer would be dropped anyway.
  void Request(std::uint64_t generation, const std::wstring& folder, const TListingFilter& filter);

  // Takes over the listing a message of this worker carries.
  static std::unique_ptr<TFolderListing> Received(LPARAM lParam);

private:
  struct TShared;
  std::shared_ptr<TShared> FShared;
};
