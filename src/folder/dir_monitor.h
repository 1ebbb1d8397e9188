#pragma once
// TDirMonitor: raises OnChange when something changes in a folder (optionally its subtree).
// No thread and no blocking wait: every active monitor of the process is polled by one shared
// timer with a zero time-out.
#include <windows.h>

#include <string>

#include "framework/component.h"
#include "framework/enum_set.h"
#include "framework/form.h"
#include "framework/win_handle.h"

enum class TDirMonitorFilterValue { dmfFileName, dmfDirName, dmfAttributes, dmfSize, dmfLastWrite, dmfChangeSecurity };
using TDirMonitorFilter = TEnumSet<TDirMonitorFilterValue>;

// The notification flags the system is asked for.
DWORD NotifyFlags(TDirMonitorFilter filter);

class TDirMonitor : public TComponent {
public:
  explicit TDirMonitor(TComponent* owner);
  ~TDirMonitor() override;

  bool Active() const { return FActive; }
  void SetActive(bool active);
  const std::wstring& Directory() const { return FDirectory; }
  void SetDirectory(const std::wstring& directory);
  TDirMonitorFilter Filter() const { return FFilter; }
  void SetFilter(TDirMonitorFilter filter);
  bool IncludeSubDir() const { return FIncludeSubDir; }
  void SetIncludeSubDir(bool include);
  // One polling interval for every monitor of the process.
  static int Interval();
  static void SetInterval(int milliseconds);

  // The system's notification handle, or nothing when the watch was refused.
  HANDLE Handle() const { return FHandle.Get(); }
  void Restart();

  TNotifyEvent OnChange;

private:
  friend struct TMonitorPolling;
  // The folder a watch starts on: Directory, or the current directory when that is empty.
  std::wstring WatchedFolder() const;
  bool WatchedFolderExists() const;

  bool FActive = false;
  TChangeNotificationHandle FHandle;
  TDirMonitorFilter FFilter{TDirMonitorFilterValue::dmfFileName, TDirMonitorFilterValue::dmfAttributes,
                            TDirMonitorFilterValue::dmfSize, TDirMonitorFilterValue::dmfLastWrite};
  std::wstring FDirectory;
  bool FIncludeSubDir = false;
};

// The process-wide polling state, for tests and diagnostics.
bool MonitorTimerRunning();
unsigned MonitorTimerInterval();
