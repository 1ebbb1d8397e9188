#pragma once
// TListingWorker: lists folders for the launcher on a worker thread, so that a folder on a slow
// or unreachable share never blocks the thread that serves the menus. Each answer is posted to
// a window as a message whose lParam is a TFolderListing the receiver takes over.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/com_worker.h"
#include "app/folder_listing.h"

class TListingWorker {
public:
  TListingWorker(HWND window, UINT message);

  // Asks for `folder`, answered with `generation`. Only the newest request is kept: one that
  // has not started yet is replaced, since its answer would be dropped anyway.
  void Request(std::uint64_t generation, const std::wstring& folder, const TListingFilter& filter);

  // Takes over the listing a message of this worker carries.
  static std::unique_ptr<TFolderListing> Received(LPARAM lParam);

private:
  HWND FWindow;
  UINT FMessage;
  TComWorker FWorker;
};
