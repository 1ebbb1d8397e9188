#pragma once
// Programs started from the menu inherit the launcher's environment. When the user changes
// the environment variables in Windows' settings, Windows announces it (WM_SETTINGCHANGE with
// "Environment") and Explorer builds its environment afresh from the registry; the launcher
// does the same, or a program started from it would see the PATH of the day the launcher began.
//
// A refresh sets, as Explorer does:
// - the system's variables (HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment),
//   then the user's (HKCU\Environment), which win over them; within each, plain strings before
//   those to expand, so that %JAVA_HOME%\bin sees the JAVA_HOME of the same refresh;
// - Path, LibPath and Os2LibPath as the system's list followed by the user's;
// and removes a variable that the registry held at the last refresh (or when the launcher
// started) and holds no more.
// USERNAME and PROCESSOR_ARCHITECTURE are never taken: Windows sets them for each user and
// process. Every other variable stays: those Windows sets at logon from elsewhere (SystemRoot,
// USERPROFILE, APPDATA, the volatile per-logon ones), which do not change within a session, and
// those the launcher inherited from whoever started it. Explorer computes the first kind
// itself; dropping either would start programs with less than the launcher itself has.
#include <windows.h>

#include <set>
#include <string>

// Whether a WM_SETTINGCHANGE's lParam says that the environment variables changed.
bool IsEnvironmentChange(LPARAM lParam);

// Variable names are compared as Windows compares them, ignoring case.
struct TVariableNameLess {
  bool operator()(const std::wstring& left, const std::wstring& right) const;
};
using TVariableNames = std::set<std::wstring, TVariableNameLess>;

class TEnvironmentRefresh {
public:
  // Notes the variables the registry holds now: the launcher's own came from there.
  TEnvironmentRefresh();
  // Rewrites this process's environment from the registry. Programs started afterwards get it;
  // call it on one thread only.
  void Refresh();

private:
  TVariableNames FRegistryNames;  // the registry's variables at the last refresh
};
