#include "app/shortcut_folders.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "app/com_worker.h"
#include "app/folder_listing.h"
#include "app/posted_answer.h"

namespace {

// Hands the answer over directly while the caller still waits, and by message once it has
// stopped waiting.
struct THandOver {
  std::mutex Lock;
  std::condition_variable Done;
  std::unique_ptr<TShortcutFolders> Answer;
  bool Late = false;
};

}  // namespace

std::unique_ptr<TShortcutFolders> CheckShortcutFolders(TComWorker& worker, TShortcutFolders request, unsigned waitMs,
                                                       HWND window, UINT message) {
  const auto handOver = std::make_shared<THandOver>();
  worker.Post([handOver, window, message, request = std::move(request)] {
    auto answer = std::make_unique<TShortcutFolders>(request);
    answer->Folders.clear();
    for (const std::wstring& shortcut : answer->Shortcuts) answer->Folders.push_back(ShortcutFolder(shortcut));
    std::unique_lock lock(handOver->Lock);
    if (!handOver->Late) {
      handOver->Answer = std::move(answer);
      handOver->Done.notify_one();
      return;
    }
    lock.unlock();
    PostAnswer(window, message, std::move(answer));
  });
  std::unique_lock lock(handOver->Lock);
  handOver->Done.wait_for(lock, std::chrono::milliseconds(waitMs), [&] { return handOver->Answer != nullptr; });
  handOver->Late = !handOver->Answer;
  return std::move(handOver->Answer);
}
