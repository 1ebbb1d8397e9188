#pragma once
// TComWorker: one thread with its own COM apartment that runs jobs in the order they come, so
// that shell and file-system calls which may hang on an unreachable share never block the
// thread that serves the menus.
#include <functional>
#include <memory>

class TComWorker {
public:
  TComWorker();
  // Returns at once even while a job still hangs: that thread is left to finish it alone, and
  // the jobs waiting behind it are dropped.
  ~TComWorker();
  TComWorker(const TComWorker&) = delete;
  TComWorker& operator=(const TComWorker&) = delete;

  // Runs `job` on the worker after the jobs posted before it. The job must own what it uses:
  // it may run after this object is gone.
  void Post(std::function<void()> job);
  // Drops the jobs that have not started.
  void DropWaiting();

private:
  struct TShared;
  std::shared_ptr<TShared> FShared;
};
