#include "app/folder_loader.h"

#include <utility>

#include "framework/menu_item.h"
#include "framework/posted_answer.h"

namespace {

constexpr UINT WM_LISTED = WM_APP + 1;
constexpr UINT_PTR LoadingTimerId = 1;
constexpr UINT_PTR NoAnswerTimerId = 2;

}  // namespace

TFolderLoader::TFolderLoader(TLister lister, TListedEvent onListed, TNoteEvent onNote)
    : FLister(std::move(lister)), FOnListed(std::move(onListed)), FOnNote(std::move(onNote)) {
  TWindowParams params;
  params.ClassName = L"TFolderLoader";
  params.Parent = HWND_MESSAGE;
  CreateHandle(params);
}

TFolderLoader::~TFolderLoader() { StopTimers(); }

void TFolderLoader::Request(TMenuItem& folder) {
  FTarget = &folder;
  const std::uint64_t generation = ++FGeneration;
  // A request not yet started would only be dropped when it answered.
  FQueues.DropWaiting();
  FQueues.Post(QueueOf(folder.Hint()), [lister = FLister, window = Handle(), generation, path = folder.Hint()] {
    auto listing = std::make_unique<TFolderListing>(lister(path));
    listing->Generation = generation;
    PostAnswer(window, WM_LISTED, std::move(listing));
  });
  ::SetTimer(Handle(), LoadingTimerId, LoadingNoteDelayMs, nullptr);
  ::SetTimer(Handle(), NoAnswerTimerId, NoAnswerDelayMs, nullptr);
}

void TFolderLoader::Forget() {
  ++FGeneration;
  FTarget = nullptr;
  StopTimers();
}

void TFolderLoader::StopTimers() {
  ::KillTimer(Handle(), LoadingTimerId);
  ::KillTimer(Handle(), NoAnswerTimerId);
}

void TFolderLoader::Listed(std::unique_ptr<TFolderListing> listing) {
  if (!FTarget || listing->Generation != FGeneration) {
    ++FStaleListings;
    return;
  }
  TMenuItem& folder = *FTarget;
  Forget();
  FOnListed(folder, *listing);
}

LRESULT TFolderLoader::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LISTED:
      Listed(ReceivedAnswer<TFolderListing>(lParam));
      return 0;
    case WM_TIMER:
      if (!FTarget) return 0;
      if (wParam == LoadingTimerId) {
        ::KillTimer(Handle(), LoadingTimerId);
        FOnNote(*FTarget, TListingNote::lnLoading);
      } else if (wParam == NoAnswerTimerId) {
        TMenuItem& folder = *FTarget;
        Forget();
        FOnNote(folder, TListingNote::lnNoAnswer);
      }
      return 0;
    default:
      return TWindow::WndProc(message, wParam, lParam);
  }
}
