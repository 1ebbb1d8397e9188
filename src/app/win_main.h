#pragma once
// TWinMain: the hidden 1 x 1 main window. It owns every component of the launcher and holds
// the state the launcher's handlers share.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/file_icons.h"
#include "app/folder_listing.h"
#include "app/global_hotkey.h"
#include "app/gesture_detector.h"
#include "app/icon_key.h"
#include "app/link_target.h"
#include "framework/form.h"

class TComWorker;
class TContextMenuEx;
class TPopupCool;
class TDirMonitor;
class TFileList;
class TImageList;
class TListingWorker;
class TMenuBuildSettings;
class TMenuItem;
class TPointerWake;
class TPopupMenu;
class TTimer;
class TTrayIcon;
class TWinSetting;
struct TIniGTHost;
struct TShortcutFolders;

struct TIconCacheEntry {
  TIconKey Key;             // first three characters of the extension
  std::int32_t ImageIndex;  // into ImageList
};

class TWinMain : public TForm {
public:
  // The message the gesture timer posts when the pointer has drawn a circle.
  static constexpr UINT WM_GESTUREPOPUP = WM_USER + 0x67;
  // Moves the window back to its parking place once a gesture menu's choice has run.
  static constexpr UINT WM_PARKWINDOW = WM_USER + 0x68;
  // A folder listing from the listing worker; lParam is the TFolderListing it hands over.
  static constexpr UINT WM_LISTING = WM_USER + 0x69;
  // A file icon from the icon worker; lParam is the TIconAnswer it hands over.
  static constexpr UINT WM_ICON = WM_USER + 0x6A;
  // The folders of the root's shortcuts, from a check that took longer than the root waits;
  // lParam is the TShortcutFolders it hands over.
  static constexpr UINT WM_SHORTCUTFOLDERS = WM_USER + 0x6B;
  // How long a build of the root waits for its shortcuts' targets to be checked.
  static constexpr unsigned ShortcutCheckWaitMs = 200;
  // A submenu whose listing is not back after this long shows that it is being read.
  static constexpr unsigned LoadingNoteDelayMs = 150;
  // ... and after this long, that the folder does not answer; the next highlight asks again.
  static constexpr unsigned NoAnswerDelayMs = 10000;
  static constexpr const wchar_t* LoadingCaption = L"読み込み中…";
  static constexpr const wchar_t* NoAnswerCaption = L"応答がありません";
  static constexpr int IconCacheCapacity = 1000;
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
  // Registers `hotkey` in place of the one before; a combination another program holds is
  // reported, and tried again at the next start.
  void ApplyHotkey(const THotkey& hotkey);
  bool HotkeyRegistered() const { return FHotkey.Valid(); }
  // A launcher item was highlighted: cancels a running fill pass, or asks the listing worker for
  // the highlighted folder's entries where its submenu is incomplete.
  void PCMainMenuSelect(TMenuItem* Item, const std::wstring& Hint);
  // A listing came back: fills the submenu that asked for it, unless the menu was rebuilt or the
  // pass cancelled since, in which case the listing is dropped.
  void WMListing(TMessage& message);
  // An icon came back: it goes into the image list and onto every item that waits for it, and
  // an open menu shows it. An answer asked for before a rebuild is dropped.
  void WMIcon(TMessage& message);
  // A slow check of the root's shortcuts came back: shortcuts found to lead to folders, or no
  // longer, are shown so by a rebuild. An answer for an older build is dropped.
  void WMShortcutFolders(TMessage& message);

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
  // Lists folder `Path` on this thread and adds its entries to `Parent` (the root when `IsRoot`),
  // as FillListed does.
  void FillFolder(const std::wstring& Path, TMenuItem& Parent, bool IsRoot);
  // Adds the entries of `Listing` to `Parent`, resuming where a cancelled pass stopped; pumps
  // messages after each item, and FReady cancels it.
  void FillListed(const TFolderListing& Listing, TMenuItem& Parent, bool IsRoot);
  // Makes the item for one listed entry and places it in `Parent`.
  void AddEntry(const TListedEntry& Listed, TMenuItem& Parent);
  // Frees every item below `Item`, with the styler's image assignments for them; the icons still
  // to come for items are dropped.
  void ClearItems(TMenuItem& Item);
  // Gives a file item its icon: at once from the extension cache, otherwise when the icon
  // worker answers. Items of one type wait for one lookup, items of one file for one.
  void FetchIcon(TMenuItem& Item);
  // Whether items still wait for icons.
  bool IconsAwaited() const { return !FItemsAwaitingType.empty() || !FItemsAwaitingFile.empty(); }
  // Icons at the small-icon size of `dpi`: a menu shown on a monitor of another size than
  // the last one empties the list and rebuilds the menu, icons fetched at the new size.
  void FitIconsToDpi(int dpi);
  // The cached image index for an extension key, or -1.
  int FindIconKey(const TIconKey& Key) const;
  // Caches an extension's image index; does nothing once the cache is full.
  void AddIconKey(const TIconKey& Key, int ImageIndex);

  // Icon lookups and extension cache hits of the process, shown in the tray tip.
  static inline std::int32_t IconLookups = 0;
  static inline std::int32_t IconHits = 0;

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
  int IconCacheCount() const { return FIconCacheCount; }
  bool Ready() const { return FReady; }
  bool MenuShown() const { return FMenuShown; }
  // The submenu waiting for its listing, or none.
  TMenuItem* ListingTarget() const { return FListingTarget; }
  // Listings (and checks of the root's shortcuts) that came back for a menu rebuilt or a pass
  // cancelled since, and were dropped.
  static inline std::int32_t StaleListings = 0;
  // Icons that came back for items freed since (a rebuild, another icon size), and were dropped.
  static inline std::int32_t StaleIcons = 0;

protected:
  void RemovalNotice(TComponent& component) override;

private:
  void MakeCommandMenu();
  TMenuItem& MakeMenuItem(const wchar_t* caption);
  TMenuItem& MakeItem(const std::wstring& caption, const std::wstring& hint);
  TMenuItem& MakeFolderItem(const std::wstring& caption, const std::wstring& folder);
  // Folders that exist go after the folders placed so far; everything else to the end.
  void PlaceItem(TMenuItem& item, TMenuItem& parent, bool existingFolder);
  void ShowIconCounters();
  void SplitIntoColumns(TMenuItem& parent, const TMenuBuildSettings& settings);
  bool FetchIcons();
  void AppendFixedItems(TMenuItem& root);
  // With nothing in the menu folder, a grey note saying so (or that the folder cannot be made)
  // and an item that opens the folder, so that a first start shows where things go.
  void AppendEmptyFolderItems(TMenuItem& root);
  // Creates the menu folder when it is missing; false when it still does not exist.
  static bool MakeMenuFolder(const std::wstring& folder);
  bool RebuildMustWait() const;
  TListingFilter ListingFilter() const;
  // The menu folder's entries, its shortcuts' folders checked on a worker that the root waits
  // for only a moment.
  TFolderListing ListRoot();
  // Keeps the folders `answer` found; true when the root shows any shortcut otherwise.
  bool KeepShortcutFolders(const TShortcutFolders& answer);
  void RequestListing(TMenuItem& folder);
  // Ends the wait for a listing: the answer, when it comes, is dropped.
  void ForgetListing();
  // Ends a running fill pass and the wait for a listing.
  void EndFillPass();
  // The grey line a submenu shows while its listing is missing; `caption` empty removes it.
  void ShowListingNote(TMenuItem& folder, const wchar_t* caption);
  // Answers still to come for the icons asked for are dropped.
  void ForgetIcons();
  // The image for a file that has its own, reused while the file is unchanged; -1 for none.
  int KeepFileImage(const TIconAnswer& answer);
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
  TMenuItem* FMSetting;
  TMenuItem* FN2;
  TMenuItem* FN1;
  TMenuItem* FMExit;
  TMenuItem* FMVersion;  // disabled: name, version, architecture and menu folder
  TPopupMenu* FMainMenu;
  TDirMonitor* FDirMon;
  TFileList* FFileList;
  TTimer* FHiTimer;
  TImageList* FImageList;
  TPopupCool* FPCMain;
  TContextMenuEx* FCMEx;
  TTimer* FRebuildTimer;  // retries a rebuild that had to wait
  TTimer* FLoadingTimer;   // shows the loading note when a listing is slow
  TTimer* FNoAnswerTimer;  // gives up waiting for a listing
  TWinSetting* FWinSetting = nullptr;  // owned by the application

  TGestureDetector FGesture;
  std::uint64_t FGestureTickAt = 0;  // GetTickCount64 at the gesture timer's last tick
  bool FGestureEnabled = true;
  bool FReady = false;
  std::array<TIconCacheEntry, IconCacheCapacity> FIconCache{};
  std::int32_t FIconCacheCount = 0;
  bool FMenuShown = false;
  std::vector<TMenuItem*> FPendingIcons;  // not owning

  TMenuBuildSettings* FMenuBuildSettings = nullptr;
  int FPassDepth = 0;  // fill passes running (one, or none)
  bool FRebuildPending = false;
  std::unique_ptr<TListingWorker> FListingWorker;
  // The newest listing request; an answer with another number is stale.
  std::uint64_t FListingGeneration = 0;
  TMenuItem* FListingTarget = nullptr;  // not owning; cleared whenever items are freed
  TMenuItem* FListingNote = nullptr;    // not owning; the grey note in a submenu, or none
  // Images of files whose icon is not shared by extension, by full path: a rebuild reuses them.
  std::unordered_map<std::wstring, TFileImage> FFileImages;
  std::unique_ptr<TComWorker> FIconWorker;
  std::unique_ptr<TComWorker> FShortcutWorker;
  // The newest check of the root's shortcuts; an answer with another number is stale.
  std::uint64_t FShortcutCheckGeneration = 0;
  // The folders the root's shortcuts led to at the last check, by shortcut; empty for none.
  std::unordered_map<std::wstring, std::wstring> FShortcutFolders;
  // The newest build's number: an icon answer with another one is stale.
  std::uint64_t FIconGeneration = 0;
  // Items waiting for an icon (not owning), by the extension or the file that was asked for.
  std::map<TIconKey, std::vector<TMenuItem*>> FItemsAwaitingType;
  std::unordered_map<std::wstring, std::vector<TMenuItem*>> FItemsAwaitingFile;
  // Restarts the gesture timer on the pointer's first movement after it went to rest.
  std::unique_ptr<TPointerWake> FPointerWake;
  TLauncherHotkey FHotkey;
};
