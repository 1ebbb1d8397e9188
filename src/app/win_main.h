#pragma once
// TWinMain: the hidden 1 x 1 main window. It owns every component of the launcher and holds
// the state the launcher's handlers share.
#include <array>
#include <cstdint>
#include <vector>

#include "app/gesture_detector.h"
#include "framework/form.h"

class TDirMonitor;
class TFileList;
class TMenuItem;
class TPopupMenu;
class TTimer;
class TTrayIcon;

struct TIconCacheEntry {
  std::array<char, 3> Key;  // extension, three single-byte characters
  std::int32_t ImageIndex;  // into ImageList
};

class TWinMain : public TForm {
public:
  static constexpr int TrailCapacity = 101;
  static constexpr int IconCacheCapacity = 1000;

  explicit TWinMain(TComponent* owner);

  void FormCreate(TComponent* sender);
  void FormDestroy(TComponent* sender);
  void FormDeactivate(TComponent* sender);
  void MExitClick(TComponent* sender);
  void N2Click(TComponent* sender);

  TTrayIcon& TrayIcon1() const { return *FTrayIcon1; }
  TPopupMenu& PopupMenu1() const { return *FPopupMenu1; }
  TPopupMenu& MainMenu() const { return *FMainMenu; }
  TDirMonitor& DirMon() const { return *FDirMon; }
  TFileList& FileList() const { return *FFileList; }
  TTimer& HiTimer() const { return *FHiTimer; }
  bool Ready() const { return FReady; }
  bool MenuShown() const { return FMenuShown; }

private:
  void MakeCommandMenu();
  TMenuItem& MakeMenuItem(const wchar_t* name, const wchar_t* caption);

  TTrayIcon* FTrayIcon1;
  TPopupMenu* FPopupMenu1;
  TMenuItem* FMSetting;
  TMenuItem* FN2;
  TMenuItem* FN1;
  TMenuItem* FMExit;
  TPopupMenu* FMainMenu;
  TDirMonitor* FDirMon;
  TFileList* FFileList;
  TTimer* FHiTimer;

  std::int32_t FTurnSpan = 0;
  std::int32_t FMoveThreshold = 0;
  TPoint32 FLastPos{};
  std::array<TTrailPoint, TrailCapacity> FTrail{};
  std::int32_t FTrailCount = 0;
  std::int32_t FTick = 0;
  std::int32_t FMinPoints = 0;
  bool FCoolDown = false;
  bool FReady = false;
  std::array<TIconCacheEntry, IconCacheCapacity> FIconCache{};
  std::int32_t FIconCacheCount = 0;
  bool FMenuShown = false;
  std::vector<TMenuItem*> FPendingIcons;  // not owning
};
