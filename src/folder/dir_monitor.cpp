#include "folder/dir_monitor.h"

#include <algorithm>
#include <vector>

#include "framework/timer.h"

namespace {

constexpr int DefaultMonitorInterval = 2000;
constexpr size_t MaxWaitHandles = MAXIMUM_WAIT_OBJECTS;  // 64: the most one wait takes

}  // namespace

// The one polling timer of the process; its tick checks every active monitor.
class TFindTimer : public TTimer {
public:
  TFindTimer(TComponent* owner, int interval) : TTimer(owner) { SetInterval(static_cast<unsigned>(interval)); }

protected:
  void Timer() override;
};

struct TMonitorPolling {
  int MonitorInterval = DefaultMonitorInterval;
  std::vector<TDirMonitor*> MonitorList;  // active monitors, in order of activation
  TComponentPtr<TFindTimer> MonitorTimer;

  static TMonitorPolling& Get() {
    static TMonitorPolling state;
    return state;
  }

  TFindTimer& Timer() {
    // Made on first use rather than at start-up: it needs a window, so not before main.
    if (!MonitorTimer) MonitorTimer = MakeComponent<TFindTimer>(0);
    return *MonitorTimer;
  }

  // The first monitor with a pending notification that is not among `delivered`, or none.
  // Monitors whose watch was refused are left out: one invalid handle would fail the whole wait
  // and silence the others.
  TDirMonitor* FindSignalled(const std::vector<TDirMonitor*>& delivered) const {
    std::vector<TDirMonitor*> watched;
    std::vector<HANDLE> handles;
    for (TDirMonitor* monitor : MonitorList) {
      if (!monitor->FHandle || std::ranges::find(delivered, monitor) != delivered.end()) continue;
      watched.push_back(monitor);
      handles.push_back(monitor->FHandle.Get());
    }
    for (size_t start = 0; start < handles.size(); start += MaxWaitHandles) {
      const DWORD count = static_cast<DWORD>(std::min(MaxWaitHandles, handles.size() - start));
      const DWORD result = ::WaitForMultipleObjects(count, &handles[start], FALSE, 0);
      if (result < WAIT_OBJECT_0 + count) return watched[start + (result - WAIT_OBJECT_0)];
    }
    return nullptr;
  }

  bool IsActive(const TDirMonitor* monitor) const { return std::ranges::find(MonitorList, monitor) != MonitorList.end(); }

  void PollMonitors() {
    // Each monitor is raised at most once a tick: in a folder that keeps changing, its re-armed
    // handle signals again at once, and looping on it would hold the user-interface thread.
    // What changed meanwhile is delivered by the next tick. Handles are collected afresh each
    // pass: OnChange may change the monitors.
    std::vector<TDirMonitor*> delivered = RetryRefusedWatches();
    while (TDirMonitor* monitor = FindSignalled(delivered)) {
      delivered.push_back(monitor);
      // A watched folder that was deleted is let go and watched anew, which is refused until it
      // is back: a notification that cannot be re-armed would stay signalled for ever, and one
      // re-armed on a folder that is gone would never signal again.
      if (!::FindNextChangeNotification(monitor->FHandle.Get()) || !monitor->WatchedFolderExists()) monitor->Restart();
      if (monitor->OnChange) monitor->OnChange(monitor);
    }
  }

  // A watch refused because its folder was missing takes once the folder is there again; the
  // folder may come back with anything in it, which counts as a change. Returns the monitors
  // raised.
  std::vector<TDirMonitor*> RetryRefusedWatches() {
    std::vector<TDirMonitor*> raised;
    for (TDirMonitor* monitor : std::vector<TDirMonitor*>(MonitorList)) {
      if (!IsActive(monitor) || monitor->FHandle) continue;  // OnChange may have ended it
      monitor->Restart();
      if (!monitor->FHandle) continue;
      raised.push_back(monitor);
      if (monitor->OnChange) monitor->OnChange(monitor);
    }
    return raised;
  }
};

void TFindTimer::Timer() { TMonitorPolling::Get().PollMonitors(); }

DWORD NotifyFlags(TDirMonitorFilter filter) {
  static constexpr DWORD flags[] = {FILE_NOTIFY_CHANGE_FILE_NAME, FILE_NOTIFY_CHANGE_DIR_NAME,
                                    FILE_NOTIFY_CHANGE_ATTRIBUTES, FILE_NOTIFY_CHANGE_SIZE,
                                    FILE_NOTIFY_CHANGE_LAST_WRITE, FILE_NOTIFY_CHANGE_SECURITY};
  DWORD result = 0;
  for (unsigned i = 0; i < std::size(flags); ++i) {
    if (filter.Contains(static_cast<TDirMonitorFilterValue>(i))) result |= flags[i];
  }
  return result;
}

TDirMonitor::TDirMonitor(TComponent* owner) : TComponent(owner) {}

TDirMonitor::~TDirMonitor() { SetActive(false); }

void TDirMonitor::SetActive(bool active) {
  if (active == FActive) return;
  FActive = active;
  TMonitorPolling& polling = TMonitorPolling::Get();
  auto& list = polling.MonitorList;
  if (active) {
    Restart();
    list.push_back(this);
    if (list.size() == 1) polling.Timer().SetInterval(static_cast<unsigned>(polling.MonitorInterval));
  } else {
    FHandle.Reset();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (list.empty()) polling.Timer().SetInterval(0);
  }
}

void TDirMonitor::SetDirectory(const std::wstring& directory) {
  if (directory == FDirectory) return;
  FDirectory = directory;
  if (FActive) Restart();
}

void TDirMonitor::SetFilter(TDirMonitorFilter filter) {
  if (filter == FFilter) return;
  FFilter = filter;
  if (FActive) Restart();
}

void TDirMonitor::SetIncludeSubDir(bool include) {
  if (include == FIncludeSubDir) return;
  FIncludeSubDir = include;
  if (FActive) Restart();
}

int TDirMonitor::Interval() { return TMonitorPolling::Get().MonitorInterval; }

void TDirMonitor::SetInterval(int milliseconds) {
  TMonitorPolling& polling = TMonitorPolling::Get();
  polling.MonitorInterval = milliseconds;
  if (!polling.MonitorList.empty()) polling.Timer().SetInterval(static_cast<unsigned>(std::max(milliseconds, 0)));
}

std::wstring TDirMonitor::WatchedFolder() const {
  if (!FDirectory.empty()) return FDirectory;
  wchar_t current[MAX_PATH + 1] = {};
  const DWORD length = ::GetCurrentDirectoryW(MAX_PATH + 1, current);
  return length > 0 && length <= MAX_PATH ? std::wstring(current, length) : std::wstring();
}

bool TDirMonitor::WatchedFolderExists() const {
  const DWORD attributes = ::GetFileAttributesW(WatchedFolder().c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void TDirMonitor::Restart() {
  FHandle.Reset();
  FHandle.Reset(::FindFirstChangeNotificationW(WatchedFolder().c_str(), FIncludeSubDir, NotifyFlags(FFilter)));
}

bool MonitorTimerRunning() {
  TMonitorPolling& polling = TMonitorPolling::Get();
  return polling.MonitorTimer && polling.MonitorTimer->Running();
}

unsigned MonitorTimerInterval() {
  TMonitorPolling& polling = TMonitorPolling::Get();
  return polling.MonitorTimer ? polling.MonitorTimer->Interval() : 0;
}
