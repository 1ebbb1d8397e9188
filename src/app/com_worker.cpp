#include "app/com_worker.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "app/com_apartment.h"

struct TComWorker::TShared {
  std::mutex Lock;
  std::condition_variable Wake;
  std::deque<std::function<void()>> Jobs;
  bool Stop = false;

  void Run() {
    const TComApartment apartment;
    for (;;) {
      std::function<void()> job;
      {
        std::unique_lock lock(Lock);
        Wake.wait(lock, [this] { return Stop || !Jobs.empty(); });
        if (Stop) return;
        job = std::move(Jobs.front());
        Jobs.pop_front();
      }
      job();
    }
  }
};

TComWorker::TComWorker() : FShared(std::make_shared<TShared>()) {
  std::thread([shared = FShared] { shared->Run(); }).detach();
}

TComWorker::~TComWorker() {
  const std::lock_guard lock(FShared->Lock);
  FShared->Stop = true;
  FShared->Jobs.clear();
  FShared->Wake.notify_one();
}

void TComWorker::Post(std::function<void()> job) {
  const std::lock_guard lock(FShared->Lock);
  FShared->Jobs.push_back(std::move(job));
  FShared->Wake.notify_one();
}

void TComWorker::DropWaiting() {
  const std::lock_guard lock(FShared->Lock);
  FShared->Jobs.clear();
}
