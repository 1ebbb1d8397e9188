#pragma once
// Holds calls that workers make until the test lets them go: a fake of a slow file system that
// answers when the test says so. Shared by pointer, since a worker may outlive the test.
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

class TCallGate {
public:
  static std::shared_ptr<TCallGate> Make() { return std::make_shared<TCallGate>(); }

  // Called on a worker: returns once the test has let the call go, or at once while the gate
  // stands open.
  void Pass();
  // Calls held now.
  int Held() const;
  // Calls that came to the gate so far, held or let go.
  std::uint64_t Came() const;
  // Lets the first `count` calls that came go; without a count, every call held now.
  void Release(std::uint64_t count);
  void Release() { Release(Came()); }
  // From now on no call is held; those held go.
  void Open();

private:
  mutable std::mutex FLock;
  std::condition_variable FReleased;
  std::uint64_t FCame = 0;
  std::uint64_t FLetGo = 0;  // calls that came before this one may go
  bool FOpen = false;
};
