#include "search/search_index.h"

#include <utility>

#include "framework/posted_answer.h"
#include "framework/text_folding.h"
#include "search/folder_content.h"
#include "search/search_ranking.h"
#include "search/system_folding.h"

namespace {

constexpr UINT WM_STAMPED = WM_APP + 1;
constexpr UINT WM_LISTED = WM_APP + 2;
constexpr UINT WM_UPDATE = WM_APP + 3;
constexpr UINT_PTR RecheckTimerId = 1;
constexpr UINT_PTR FirstReadTimerId = 2;

struct TStampAnswer {
  std::wstring Path;
  std::optional<TFolderStamp> Stamp;
};

struct TListAnswer {
  TIndexCall Call;
  std::shared_ptr<const TFolderContent> Content;
};

std::wstring_view WithoutTrailingSeparators(std::wstring_view path) {
  while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/')) path.remove_suffix(1);
  return path;
}

bool SamePath(std::wstring_view a, std::wstring_view b) {
  a = WithoutTrailingSeparators(a);
  b = WithoutTrailingSeparators(b);
  return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

}  // namespace

TSearchIndex::TSearchIndex(std::wstring menuFolder, std::shared_ptr<const TIndexFileSystem> fileSystem)
    : FFileSystem(std::move(fileSystem)), FFolding(SystemFolding()), FTree(std::move(menuFolder), FFolding) {
  TWindowParams params;
  params.ClassName = L"TSearchIndex";
  params.Parent = HWND_MESSAGE;
  CreateHandle(params);
}

TSearchIndex::~TSearchIndex() {
  ::KillTimer(Handle(), FirstReadTimerId);
  ::KillTimer(Handle(), RecheckTimerId);
}

void TSearchIndex::Start(UINT delayMs) {
  if (delayMs)
    ::SetTimer(Handle(), FirstReadTimerId, delayMs, nullptr);
  else
    BeginReading();
}

void TSearchIndex::BeginReading() {
  ::KillTimer(Handle(), FirstReadTimerId);
  FStarted = true;
  ::SetTimer(Handle(), RecheckTimerId, RecheckIntervalMs, nullptr);
  ScheduleUpdate();
}

void TSearchIndex::Hold(bool held) {
  FHeld = held;
  if (!held) ScheduleUpdate();
}

void TSearchIndex::FolderChanged() {
  FTree.Recheck(false);
  ScheduleUpdate();
}

TSearchResults TSearchIndex::Search(std::wstring_view text, const std::vector<std::wstring>& recent,
                                    std::size_t maxHits, std::wstring_view subtree) const {
  const TIndexSnapshot& snapshot = *FTree.Snapshot();
  std::size_t top = 0;
  if (!subtree.empty()) {
    while (top < snapshot.Folders.size() && !SamePath(snapshot.Folders[top].Path, subtree)) ++top;
    if (top == snapshot.Folders.size()) {
      // Not reached yet, or not in the tree: only a tree still being read may yet show it.
      TSearchResults none;
      for (const TIndexFolder& folder : snapshot.Folders) none.Incomplete = none.Incomplete || folder.Pending;
      return none;
    }
  }
  const std::wstring folded = FoldForMatching(text);
  return SearchSnapshot(snapshot, {folded, &recent, maxHits, top});
}

void TSearchIndex::Post(const TIndexCall& call) {
  FQueues.Post(QueueOf(call.Path), [fileSystem = FFileSystem, folding = FFolding, window = Handle(), call] {
    if (call.Kind == TIndexCall::TKind::icStamp) {
      PostAnswer(window, WM_STAMPED, std::make_unique<TStampAnswer>(TStampAnswer{call.Path, fileSystem->Stamp(call.Path)}));
    } else {
      auto content = MakeFolderContent(call.Path, fileSystem->List(call.Path), folding);
      PostAnswer(window, WM_LISTED, std::make_unique<TListAnswer>(TListAnswer{call, std::move(content)}));
    }
  });
}

void TSearchIndex::ScheduleUpdate() {
  // Answers that came together make one update: they are all in the queue before this message.
  if (FUpdatePosted) return;
  FUpdatePosted = ::PostMessageW(Handle(), WM_UPDATE, 0, 0) != 0;
}

void TSearchIndex::Update() {
  FUpdatePosted = false;
  if (FHeld || !FStarted) return;  // Hold(false) and BeginReading schedule it again
  const TIndexTree::TUpdate update = FTree.Update();
  for (const TIndexCall& call : update.Calls) Post(call);
  if (update.Changed && OnChange) OnChange();
}

LRESULT TSearchIndex::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_STAMPED: {
      const auto answer = ReceivedAnswer<TStampAnswer>(lParam);
      if (FTree.Stamped(answer->Path, answer->Stamp)) ScheduleUpdate();
      return 0;
    }
    case WM_LISTED: {
      const auto answer = ReceivedAnswer<TListAnswer>(lParam);
      FTree.Listed(answer->Call, std::move(answer->Content));
      ScheduleUpdate();
      return 0;
    }
    case WM_UPDATE:
      Update();
      return 0;
    case WM_TIMER:
      if (wParam == FirstReadTimerId) {
        BeginReading();
      } else if (wParam == RecheckTimerId) {
        FTree.Recheck(true);
        ScheduleUpdate();
      }
      return 0;
    default:
      return TWindow::WndProc(message, wParam, lParam);
  }
}
