#include "framework/call_queues.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "framework/com_apartment.h"

namespace {

using TClock = std::chrono::steady_clock;

struct TQueue {
  std::deque<std::function<void()>> Waiting;
  int Workers = 0;  // serving the queue, in a call or not, a standby included
  int Idle = 0;     // waiting for a call
  bool StandbyStarted = false;
  std::multiset<TClock::time_point> CallsSince;  // when each call under way began

  // How long until every call under way has taken BusyLimit; zero once they have. With none
  // under way, the other workers are about to take the calls.
  TClock::duration StuckIn(TClock::time_point now) const {
    if (CallsSince.empty()) return TCallQueues::BusyLimit;
    const TClock::time_point newest = *CallsSince.rbegin();
    return now - newest >= TCallQueues::BusyLimit ? TClock::duration::zero() : TCallQueues::BusyLimit - (now - newest);
  }
};

}  // namespace

struct TCallQueues::TShared : std::enable_shared_from_this<TShared> {
  std::mutex Lock;
  std::condition_variable Wake;
  std::map<std::wstring, TQueue> Queues;
  bool Stop = false;

  // With the lock held.
  void StartWorker(const std::wstring& name, TQueue& queue, bool standby) {
    ++queue.Workers;
    queue.StandbyStarted = queue.StandbyStarted || standby;
    std::thread([shared = shared_from_this(), name, standby] { shared->Serve(name, standby); }).detach();
  }

  // A standby serves only once calls wait and every worker has been in its call for BusyLimit:
  // a queue of quick calls is worked off by the workers it has.
  void Serve(const std::wstring& name, bool standby) {
    const TComApartment apartment;
    std::unique_lock lock(Lock);
    if (standby) {
      TQueue& queue = Queues[name];
      for (;;) {
        if (Stop || queue.Waiting.empty() || queue.Idle > 0) {
          queue.StandbyStarted = false;
          return Leave(name);
        }
        const TClock::duration wait = queue.StuckIn(TClock::now());
        if (wait == TClock::duration::zero() || queue.Workers == 1) break;
        Wake.wait_for(lock, wait);
      }
      queue.StandbyStarted = false;
    }
    for (;;) {
      TQueue& queue = Queues[name];
      ++queue.Idle;
      const bool called = Wake.wait_for(lock, IdleLimit, [&] { return Stop || !queue.Waiting.empty(); });
      --queue.Idle;
      if (Stop || !called) return Leave(name);
      std::function<void()> call = std::move(queue.Waiting.front());
      queue.Waiting.pop_front();
      // Calls behind this one find every worker busy: one more stands by.
      if (!queue.Waiting.empty() && queue.Idle == 0 && !queue.StandbyStarted && queue.Workers < WorkersPerQueue)
        StartWorker(name, queue, true);
      const auto since = queue.CallsSince.insert(TClock::now());
      lock.unlock();
      call();
      call = nullptr;  // what the call owned goes before the lock is taken again
      lock.lock();
      queue.CallsSince.erase(since);
      // Left behind by a fresh worker that now waits: this one is not needed any more.
      if (!Stop && Queues[name].Idle > 0 && Queues[name].Waiting.empty()) return Leave(name);
    }
  }

  // With the lock held.
  void Leave(const std::wstring& name) {
    const auto queue = Queues.find(name);
    if (--queue->second.Workers == 0 && queue->second.Waiting.empty()) Queues.erase(queue);
  }
};

TCallQueues::TCallQueues() : FShared(std::make_shared<TShared>()) {}

TCallQueues::~TCallQueues() {
  const std::lock_guard lock(FShared->Lock);
  FShared->Stop = true;
  for (auto& [name, queue] : FShared->Queues) queue.Waiting.clear();
  FShared->Wake.notify_all();
}

void TCallQueues::Post(const std::wstring& name, std::function<void()> call) {
  const std::lock_guard lock(FShared->Lock);
  TQueue& queue = FShared->Queues[name];
  queue.Waiting.push_back(std::move(call));
  if (queue.Idle > 0)
    FShared->Wake.notify_all();
  else if (queue.Workers == 0)
    FShared->StartWorker(name, queue, false);
  else if (!queue.StandbyStarted && queue.Workers < WorkersPerQueue)
    FShared->StartWorker(name, queue, true);
}

void TCallQueues::DropWaiting() {
  const std::lock_guard lock(FShared->Lock);
  for (auto& [name, queue] : FShared->Queues) queue.Waiting.clear();
}

std::wstring QueueOf(std::wstring_view path) {
  // Long-path forms name the same volumes and servers as the short ones.
  bool server = false;
  if (path.starts_with(L"\\\\?\\UNC\\")) {
    path.remove_prefix(8);
    server = true;
  } else if (path.starts_with(L"\\\\?\\")) {
    path.remove_prefix(4);
  } else if (path.starts_with(L"\\\\")) {
    path.remove_prefix(2);
    server = true;
  }
  std::wstring queue;
  if (server)
    queue = L"\\\\" + std::wstring(path.substr(0, path.find_first_of(L"\\/")));
  else if (path.size() >= 2 && path[1] == L':')
    queue = path.substr(0, 2);
  else
    return std::wstring(path);
  for (wchar_t& c : queue)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return queue;
}
