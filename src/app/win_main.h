#pragma once
// TWinMain: the hidden 1 x 1 main window. It owns every component of the launcher and holds
// the state the launcher's handlers share.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/folder_loader.h"
#include "app/global_hotkey.h"
#include "app/gesture_detector.h"
#include "framework/form.h"

class TContextMenuEx;
class TPopupCool;
class TDirMonitor;
class TEnvironmentRefresh;
class TFileList;
class TIconFetcher;
class TImageList;
class TMenuBuildSettings;
class TMenuItem;
class TPointerWake;
class TPopupMenu;
class TShortcutChecker;
class TStartRequests;
class TTimer;
class TTrayIcon;
class TTreeSearch;
class TWinSetting;
struct TIniGTHost;

class TWinMain : public TForm {
public:
  // The message the gesture timer posts when the pointer has drawn a circle.
  static constexpr UINT WM_GESTUREPOPUP = WM_USER + 0x67;
  // Moves the window back to its parking place once a gesture menu's choice has run.
  static constexpr UINT WM_PARKWINDOW = WM_USER + 0x68;
  // The tray tip, and the start of the tip that shows the icon counters.
  static constexpr const wchar_t* ProgramName = L"Tamarind";

  explicit TWinMain(TComponent* owner);
  ~TWinMain() override;

  void FormCreate(TComponent* sender);
  void FormDestroy(TComponent* sender);
  void FormDeactivate(TComponent* sender);
  void MExitClick(TComponent* sender);
  void MSettingClick(TComponent* sender);
  void N2Click(TComponent* sender);
  void ItemClick(TComponent* sender);
  void OpenFolderClick(TComponent* sender);
  void CancelClick(TComponent* sender);
  void DirMonChange(TComponent* sender);
  // Samples the pointer for the circle gesture; stops itself while the pointer rests.
  void HITimerTimer(TComponent* sender);
  // Shows the launcher menu at the pointer after a circle, or only clears FMenuShown when the
  // menu shown by the last circle has not been dismissed by a deactivation or Cancel.
  void WMGesturePopup(TMessage& message);
  // The launcher's hotkey: opens the launcher menu at the pointer as a circle does, or closes
  // the menu that is open.
  void WMHotKey(TMessage& message);
  void WMSettingChange(TMessage& message);
  // Opens what a start asked for once the loop runs: a folder's menu, or none for an empty one.
  void OpenOnStart(const std::wstring& folderArgument);
  // Registers `hotkey` in place of the one before; a combination another program holds is
  // reported, and tried again at the next start.
  void ApplyHotkey(const THotkey& hotkey);
  bool HotkeyRegistered() const { return FHotkey.Valid(); }
  // A launcher item was highlighted: cancels a running fill pass, or asks for the highlighted
  // folder's entries where its submenu is incomplete.
  void PCMainMenuSelect(TMenuItem* Item, const std::wstring& Hint);

  // The holder of the four menu build settings (not owned); the builder reads through it and
  // builds nothing while there is none.
  void SetMenuBuildSettings(TMenuBuildSettings* holder) { FMenuBuildSettings = holder; }
  // Creates the settings dialog, hidden and owned by the application. Its creation loads the
  // display settings, applies them to PCMain and makes the first build of the launcher menu;
  // from then on it holds the menu build settings.
  TWinSetting& CreateSettingsDialog(const TIniGTHost& host);

  // Builds the launcher menu afresh from the menu folder. A rebuild asked for while a fill pass
  // runs or a menu is open waits until both are over.
  void RebuildMenu();
  // Adds the entries of `Listing` to `Parent`, resuming where a cancelled pass stopped; pumps
  // messages after each item, and FReady cancels it.
  void FillListed(const TFolderListing& Listing, TMenuItem& Parent, bool IsRoot);
  // Makes the item for one listed entry and places it in `Parent`.
  void AddEntry(const TListedEntry& Listed, TMenuItem& Parent);
  // Frees every item below `Item`, with the styler's image assignments for them; the icons still
  // to come for items are dropped.
  void ClearItems(TMenuItem& Item);
  // Icons at the small-icon size of `dpi`: a menu shown on a monitor of another size than
  // the last one empties the list and rebuilds the menu, icons fetched at the new size.
  void FitIconsToDpi(int dpi);

  TTrayIcon& TrayIcon1() const { return *FTrayIcon1; }
  TPopupMenu& PopupMenu1() const { return *FPopupMenu1; }
  TPopupMenu& MainMenu() const { return *FMainMenu; }
  TDirMonitor& DirMon() const { return *FDirMon; }
  TFileList& FileList() const { return *FFileList; }
  TTimer& HiTimer() const { return *FHiTimer; }
  TContextMenuEx& CMEx() const { return *FCMEx; }
  const TGestureDetector& Gesture() const { return FGesture; }
  // The circle gesture, on unless the settings switch it off: off, the gesture timer stops.
  void EnableGesture(bool enabled);
  bool GestureEnabled() const { return FGestureEnabled; }
  // True while the gesture timer sleeps until the pointer moves.
  bool GestureResting() const;
  TPopupCool& PCMain() const { return *FPCMain; }
  TImageList& ImageList() const { return *FImageList; }
  TFolderLoader& Folders() const { return *FFolders; }
  TIconFetcher& Icons() const { return *FIcons; }
  bool Ready() const { return FReady; }
  bool MenuShown() const { return FMenuShown; }

protected:
  void RemovalNotice(TComponent& component) override;

private:
  void MakeCommandMenu();
  TMenuItem& MakeMenuItem(const std::wstring& caption);
  TMenuItem& MakeItem(const std::wstring& caption, const std::wstring& hint);
  TMenuItem& MakeFolderItem(const std::wstring& caption, const std::wstring& folder);
  // Folders that exist go after the folders placed so far; everything else to the end.
  void PlaceItem(TMenuItem& item, TMenuItem& parent, bool existingFolder);
  void ShowIconCounters();
  void SplitIntoColumns(TMenuItem& parent, const TMenuBuildSettings& settings);
  void AppendFixedItems(TMenuItem& root);
  // With nothing in the menu folder, a grey note saying so (or that the folder cannot be made)
  // and an item that opens the folder, so that a first start shows where things go.
  void AppendEmptyFolderItems(TMenuItem& root);
  // Creates the menu folder when it is missing; false when it still does not exist.
  static bool MakeMenuFolder(const std::wstring& folder);
  bool RebuildMustWait() const;
  TListingFilter ListingFilter() const;
  bool FetchIcons();
  // Fills `folder`'s submenu from its listing, and re-lays it where it is open.
  void FolderListed(TMenuItem& folder, const TFolderListing& listing);
  // Ends a running fill pass and the wait for a listing.
  void EndFillPass();
  // A start's request: the launcher menu, or a menu of a folder; false while a menu closes first.
  bool OpenRequested(const std::wstring& folderArgument);
  // Lists `folder` on a worker into the launcher menu's root, and shows it when it comes.
  void OpenFolderMenu(const std::wstring& folder);
  void FolderMenuListed(TMenuItem& root, const TFolderListing& listing);
  // The grey line a submenu shows while its listing is missing.
  void ShowListingNote(TMenuItem& folder, TListingNote note);
  void MoveWindowTo(int left, int top);
  void PopupAtPointer();
  // The client point of the main window where the shell's menu for a chosen item opens.
  POINT ContextMenuPlace() const;
  void Park();
  void SleepWhileResting(TPoint32 pointer);
  void WakeFromRest();
  std::unique_ptr<TPointerWake> WatchPointer();

  TTrayIcon* FTrayIcon1;
  TPopupMenu* FPopupMenu1;
  TPopupMenu* FMainMenu;
  TDirMonitor* FDirMon;
  TFileList* FFileList;
  TTimer* FHiTimer;
  TImageList* FImageList;
  TPopupCool* FPCMain;
  TContextMenuEx* FCMEx;
  TTimer* FRebuildTimer;  // retries a rebuild that had to wait
  TWinSetting* FWinSetting = nullptr;  // owned by the application

  TGestureDetector FGesture;
  std::uint64_t FGestureTickAt = 0;  // GetTickCount64 at the gesture timer's last tick
  bool FGestureEnabled = true;
  bool FReady = false;
  bool FMenuShown = false;
  std::vector<TMenuItem*> FPendingIcons;  // not owning

  TMenuBuildSettings* FMenuBuildSettings = nullptr;
  int FPassDepth = 0;  // fill passes running (one, or none)
  TMenuItem* FListingNote = nullptr;  // not owning; the grey note in a submenu, or none
  std::unique_ptr<TFolderLoader> FFolders;
  std::unique_ptr<TFolderLoader> FFolderMenus;  // the folder a start asked for
  std::unique_ptr<TIconFetcher> FIcons;
  std::unique_ptr<TShortcutChecker> FShortcuts;
  std::unique_ptr<TEnvironmentRefresh> FEnvironment;
  std::unique_ptr<TStartRequests> FStartRequests;
  std::unique_ptr<TTreeSearch> FTreeSearch;
  // Restarts the gesture timer on the pointer's first movement after it went to rest.
  std::unique_ptr<TPointerWake> FPointerWake;
  TLauncherHotkey FHotkey;
};
