#pragma once
// Plays the user's part while a modal menu runs on the test thread. A second thread waits for
// each popup menu of this process and dismisses it with Escape or chooses an item with arrow
// keys and Enter; message boxes are read and closed. A menu still open after the time limit is
// closed, so a test never hangs on it.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct TSeenBox {
  std::wstring Caption;
  std::wstring Text;
  bool InformationIcon = false;
};

// How an item is chosen: arrow keys and Enter, or a click of the right mouse button on it.
enum class TChoiceBy { Keyboard, RightButton };

class TMenuDriver {
public:
  static constexpr UINT DismissEveryMenu = 0;
  // Chooses the item with `command` in every menu shown, or dismisses them.
  explicit TMenuDriver(UINT command = DismissEveryMenu, unsigned menuTimeoutMs = 5000,
                       TChoiceBy choiceBy = TChoiceBy::Keyboard);
  ~TMenuDriver();
  TMenuDriver(const TMenuDriver&) = delete;
  TMenuDriver& operator=(const TMenuDriver&) = delete;

  // The menus shown so far, as handles (for checking that they were destroyed).
  std::vector<HMENU> Menus() const;
  // Where each of those menus came up: the top-left corner of its window, in screen pixels.
  std::vector<POINT> Places() const;
  std::vector<TSeenBox> Boxes() const;
  // Menus closed by the time limit instead of by the script.
  int TimedOut() const { return FTimedOut; }

private:
  void Run();
  void PlayOn(HWND popup);
  void CloseBoxes();

  UINT FCommand;
  unsigned FMenuTimeoutMs;
  TChoiceBy FChoiceBy;
  std::atomic<bool> FStop{false};
  std::atomic<int> FTimedOut{0};
  mutable std::mutex FLock;
  std::vector<HMENU> FMenus;
  std::vector<POINT> FPlaces;
  std::vector<TSeenBox> FBoxes;
  std::thread FThread;
};
