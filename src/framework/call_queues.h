#pragma once
// Blocking file-system and shell calls run on worker threads, queued by the volume or server
// they touch (C:, \\host): a call hung on a share that has gone away holds back only the calls
// to that share. Within a queue, a call that finds every worker busy for longer than BusyLimit
// gets a fresh worker, up to WorkersPerQueue; a worker left behind ends when its call returns.
// Nothing here waits for a worker, neither a caller nor the destructor.
// Wine reads the directories of a process under one lock, so there a listing hung inside the
// file system still holds back every other listing; Windows lists each folder on its own.
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class TCallQueues {
public:
  static constexpr std::chrono::milliseconds BusyLimit{250};
  static constexpr int WorkersPerQueue = 4;
  // A worker with nothing to do for this long ends; the next call starts one again.
  static constexpr std::chrono::seconds IdleLimit{30};

  TCallQueues();
  // Returns at once: a worker still in a call finishes it alone, and the calls waiting are
  // dropped.
  ~TCallQueues();
  TCallQueues(const TCallQueues&) = delete;
  TCallQueues& operator=(const TCallQueues&) = delete;

  // Runs `call` on a worker of `queue`, each in its own COM apartment. The call must own what
  // it uses: it may run after this object is gone.
  void Post(const std::wstring& queue, std::function<void()> call);
  // Drops the calls that have not started.
  void DropWaiting();

private:
  struct TShared;
  std::shared_ptr<TShared> FShared;
};

// The queue for calls that touch `path`: its server (\\HOST) or drive (C:), upper-cased; a
// path of neither kind gets the queue named by itself.
std::wstring QueueOf(std::wstring_view path);
