#include "app/listing_worker.h"

#include <objbase.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// The worker's own apartment, for the shell's link object.
class TComApartment {
public:
  TComApartment() : FInitialized(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~TComApartment() {
    if (FInitialized) ::CoUninitialize();
  }
  TComApartment(const TComApartment&) = delete;
  TComApartment& operator=(const TComApartment&) = delete;

private:
  bool FInitialized;
};

struct TListingRequest {
  std::uint64_t Generation;
  std::wstring Folder;
  TListingFilter Filter;
};

}  // namespace

struct TListingWorker::TShared {
  std::mutex Lock;
  std::condition_variable Wake;
  std::optional<TListingRequest> Next;
  bool Stop = false;
  HWND Window;
  UINT Message;

  void Run() {
    const TComApartment apartment;
    for (;;) {
      TListingRequest request;
      {
        std::unique_lock lock(Lock);
        Wake.wait(lock, [this] { return Stop || Next; });
        if (Stop) return;
        request = std::move(*Next);
        Next.reset();
      }
      auto listing = std::make_unique<TFolderListing>(ListFolder(request.Folder, request.Filter));
      listing->Generation = request.Generation;
      if (::PostMessageW(Window, Message, 0, reinterpret_cast<LPARAM>(listing.get()))) listing.release();
    }
  }
};

TListingWorker::TListingWorker(HWND window, UINT message) : FShared(std::make_shared<TShared>()) {
  FShared->Window = window;
  FShared->Message = message;
  std::thread([shared = FShared] { shared->Run(); }).detach();
}

TListingWorker::~TListingWorker() {
  const std::lock_guard lock(FShared->Lock);
  FShared->Stop = true;
  FShared->Next.reset();
  FShared->Wake.notify_one();
}

void TListingWorker::Request(std::uint64_t generation, const std::wstring& folder, const TListingFilter& filter) {
  const std::lock_guard lock(FShared->Lock);
  FShared->Next = TListingRequest{generation, folder, filter};
  FShared->Wake.notify_one();
}

std::unique_ptr<TFolderListing> TListingWorker::Received(LPARAM lParam) {
  return std::unique_ptr<TFolderListing>(reinterpret_cast<TFolderListing*>(lParam));
}
