#pragma once
// A worker thread whose end is announced on the user-interface thread: after the body returns,
// OnTerminate runs there (from the message loop), and a self-freeing thread is freed after it.
// A thread destroyed before its end message arrives is simply not announced.
#include <cstdint>
#include <exception>
#include <functional>
#include <thread>

class TThread {
public:
  TThread() = default;
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;
  virtual ~TThread();

  // Starts the body; call on the user-interface thread, once. Destroy it there too.
  void Start();
  bool FreeOnTerminate = false;
  std::function<void(TThread& sender)> OnTerminate;

protected:
  virtual void ThreadBody() = 0;

private:
  friend class TThreadEndWindow;
  void Run();
  void Finished();  // on the user-interface thread

  std::thread FThread;
  std::exception_ptr FError;
  std::uint32_t FTicket = 0;  // names this thread in its end message; 0 before Start
};
