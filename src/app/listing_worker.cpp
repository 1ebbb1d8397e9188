#include "app/listing_worker.h"

#include "app/posted_answer.h"

TListingWorker::TListingWorker(HWND window, UINT message) : FWindow(window), FMessage(message) {}

void TListingWorker::Request(std::uint64_t generation, const std::wstring& folder, const TListingFilter& filter) {
  FWorker.DropWaiting();
  FWorker.Post([window = FWindow, message = FMessage, generation, folder, filter] {
    auto listing = std::make_unique<TFolderListing>(ListFolder(folder, filter));
    listing->Generation = generation;
    PostAnswer(window, message, std::move(listing));
  });
}

std::unique_ptr<TFolderListing> TListingWorker::Received(LPARAM lParam) { return ReceivedAnswer<TFolderListing>(lParam); }
