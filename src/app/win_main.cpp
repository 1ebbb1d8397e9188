#include "app/win_main.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <span>
#include <string_view>

#include "app/environment_refresh.h"
#include "app/file_icons.h"
#include "app/icon_fetcher.h"
#include "app/open_menus.h"
#include "app/pointer_wake.h"
#include "app/second_start.h"
#include "app/shell_launch.h"
#include "app/shortcut_checker.h"
#include "app/start_request.h"
#include "app/tree_search.h"
#include "folder/dir_monitor.h"
#include "folder/file_list.h"
#include "folder/menu_folder.h"
#include "framework/application.h"
#include "framework/dpi.h"
#include "framework/exception.h"
#include "framework/image_list.h"
#include "framework/menu_foreground.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "framework/timer.h"
#include "menu/menu_theme.h"
#include "menu/popup_cool.h"
#include "resource_ids.h"
#include "search/menu_file_system.h"
#include "search/recent_list.h"
#include "settings/ini_gt.h"
#include "settings/win_setting.h"
#include "shell/context_menu_ex.h"
#include "tamarind_version.h"
#include "texts/texts.h"
#include "tray/tray_icon.h"

namespace {

TFormDesign WinMainDesign() {
  TFormDesign design;
  design.ClassName = L"TWinMain";
  design.Caption = L"WinMain";
  design.BorderStyle = TFormBorderStyle::bsNone;
  // Stored parked, so the window is never seen larger than one pixel, not even at creation.
  design.Left = -1;
  design.Top = -1;
  design.Width = 1;
  design.Height = 1;
  design.Visible = true;
  return design;
}

// Menu texts take "&" as a mnemonic mark; a path shows its ampersands as they are.
std::wstring MenuText(const std::wstring& text) {
  std::wstring escaped;
  for (const wchar_t c : text) escaped += c == L'&' ? std::wstring(L"&&") : std::wstring(1, c);
  return escaped;
}

// What a bug report needs: which program, which build, and where it looks for its menu.
std::wstring VersionCaption() {
  const wchar_t* architecture = sizeof(void*) == 8 ? L"64-bit" : L"32-bit";
  return L"" TAMARIND_NAME " " TAMARIND_VERSION_STRING " (" + std::wstring(architecture) + L")\t" +
         MenuText(MenuFolderPath(ExecutablePath()));
}

}  // namespace

TWinMain::TWinMain(TComponent* owner) : TForm(owner, WinMainDesign()) {
  BeginLoading();
  FTrayIcon1 = &Make<TTrayIcon>();
  FPopupMenu1 = &Make<TPopupMenu>();
  FMainMenu = &Make<TPopupMenu>();
  FMainMenu->SetAutoPopup(false);
  MakeCommandMenu();

  FTrayIcon1->Icon().LoadFromResource(IDI_TAMARIND, SmallIconSize(SystemDpi()));
  FTrayIcon1->SetLBPopupMenu(FPopupMenu1);
  FTrayIcon1->SetRBPopupMenu(FMainMenu);
  FTrayIcon1->SetTipHelp(ProgramName);
  FTrayIcon1->SetVisible(true);

  FDirMon = &Make<TDirMonitor>();
  FDirMon->SetActive(true);
  using enum TDirMonitorFilterValue;
  FDirMon->SetFilter({dmfFileName, dmfDirName, dmfAttributes, dmfSize, dmfLastWrite});
  FDirMon->SetIncludeSubDir(true);
  TDirMonitor::SetInterval(1000);
  FDirMon->OnChange = [this](TComponent* sender) { DirMonChange(sender); };

  // File icons at the small-icon size of the screen's DPI, until a menu opens on a monitor of
  // another.
  const int iconSize = SmallIconSize(SystemDpi());
  FImageList = &Make<TImageList>(iconSize, iconSize);
  FMainMenu->OnPopup = [this](int x, int y) {
    FitIconsToDpi(MonitorDpiAt({x, y}));
    FTreeSearch->MenuOpen(true);
  };
  FPCMain = &Make<TPopupCool>();
  FPCMain->SetImages(FImageList);
  FPCMain->SetMenuStyle(msWindows);
  FPCMain->SetMenu(FMainMenu);
  FPCMain->OnMenuSelect = [this](TMenuItem* item, const std::wstring& hint) { PCMainMenuSelect(item, hint); };
  FCMEx = &Make<TContextMenuEx>();

  FFileList = &Make<TFileList>();
  using enum TFileAttr;
  FFileList->SetFileType({ftReadOnly, ftHidden, ftSystem, ftDirectory, ftArchive, ftNormal});
  FFileList->SetMask({L"*.*"});

  FHiTimer = &Make<TTimer>();
  FHiTimer->SetEnabled(false);
  FHiTimer->SetInterval(60);
  FHiTimer->OnTimer = [this](TComponent* sender) { HITimerTimer(sender); };
  FPointerWake = WatchPointer();

  FRebuildTimer = &Make<TTimer>();
  FRebuildTimer->SetEnabled(false);
  FRebuildTimer->SetInterval(200);
  FRebuildTimer->OnTimer = [this](TComponent*) {
    if (!RebuildMustWait()) RebuildMenu();
  };
  FFolders = std::make_unique<TFolderLoader>(
      [filter = ListingFilter()](const std::wstring& folder) { return ListFolder(folder, filter); },
      [this](TMenuItem& folder, const TFolderListing& listing) { FolderListed(folder, listing); },
      [this](TMenuItem& folder, TListingNote note) { ShowListingNote(folder, note); });
  FFolderMenus = std::make_unique<TFolderLoader>(
      [filter = ListingFilter()](const std::wstring& folder) { return ListFolder(folder, filter); },
      [this](TMenuItem& root, const TFolderListing& listing) { FolderMenuListed(root, listing); },
      [this](TMenuItem& root, TListingNote note) {
        // Shown only once listed: a folder that does not answer is given up.
        if (note != TListingNote::lnNoAnswer) return;
        const std::wstring folder = root.Hint();
        RebuildMenu();
        Application().ShowException(Exception(Text(TText::FolderNotAnswering, {folder})));
      });
  FIcons = std::make_unique<TIconFetcher>(*FImageList, LookUpIcon, [this](std::span<TMenuItem* const> items, int index) {
    for (TMenuItem* item : items) FPCMain->SetItemImage(*item, index, item->Hint());
    RepaintOpenMenus();
  });
  FShortcuts = std::make_unique<TShortcutChecker>(ShortcutFolder, [this] { RebuildMenu(); });
  FTreeSearch = std::make_unique<TTreeSearch>(*FPCMain, *FImageList, *FCMEx, MenuFolderPath(ExecutablePath()),
                                              std::make_shared<TMenuFileSystem>(ListingFilter()));
  // Typing lands on the folder's entries only, and what finds none there searches the tree.
  FPCMain->SetFindable([](const TMenuItem& item) { return !item.Hint().empty() && !item.Default(); });
  FPCMain->OnNothingFound = [this](const std::wstring& typed, const RECT& place) {
    FTreeSearch->Take(typed, place, FMainMenu->Items().Hint());
  };
  FMainMenu->OnClosed = [this] {
    FTreeSearch->MenuOpen(false);
    FTreeSearch->ShowTaken();
  };
  FEnvironment = std::make_unique<TEnvironmentRefresh>();
  FStartRequests = std::make_unique<TStartRequests>([this](const std::wstring& folder) { return OpenRequested(folder); });
  try {
    EndLoading();  // adds the tray icon
  } catch (...) {
    Application().HandleException();  // the launcher still answers the gesture
  }

  OnCreate = [this](TComponent* sender) { FormCreate(sender); };
  OnDestroy = [this](TComponent* sender) { FormDestroy(sender); };
  OnDeactivate = [this](TComponent* sender) {
    // Handing the foreground back after a menu is not the user leaving the launcher: a menu
    // the gesture showed still counts as shown. A fill pass ends either way.
    if (TMenuForeground::Holds(Handle()))
      EndFillPass();
    else
      FormDeactivate(sender);
  };
  SetMessageHandler(WM_GESTUREPOPUP, [this](TMessage& message) { WMGesturePopup(message); });
  SetMessageHandler(WM_PARKWINDOW, [this](TMessage&) { Park(); });
  SetMessageHandler(WM_HOTKEY, [this](TMessage& message) { WMHotKey(message); });
  SetMessageHandler(WM_SETTINGCHANGE, [this](TMessage& message) { WMSettingChange(message); });
}

TWinMain::~TWinMain() = default;

TMenuItem& TWinMain::MakeMenuItem(const std::wstring& caption) {
  TMenuItem& item = Make<TMenuItem>();
  item.SetCaption(caption);
  FPopupMenu1->Items().Add(item);
  return item;
}

void TWinMain::MakeCommandMenu() {
  MakeMenuItem(Text(TText::CommandSettings)).OnClick = [this](TComponent* sender) { MSettingClick(sender); };
  MakeMenuItem(Text(TText::CommandOpenMenuFolder)).OnClick = [this](TComponent* sender) { N2Click(sender); };
  MakeMenuItem(L"-");
  MakeMenuItem(Text(TText::CommandExit)).OnClick = [this](TComponent* sender) { MExitClick(sender); };
  MakeMenuItem(L"-");
  MakeMenuItem(VersionCaption()).SetEnabled(false);  // to read, not to choose
}

void TWinMain::FormCreate(TComponent*) {
  SetBounds(-1, -1, 1, 1);
  FPendingIcons.clear();
  FMenuShown = false;
  FHiTimer->SetInterval(50);

  const std::wstring menuFolder = MenuFolderPath(ExecutablePath());
  MakeMenuFolder(menuFolder);  // a failure is told in the launcher menu

  FReady = true;
  FHiTimer->SetEnabled(FGestureEnabled);
  FDirMon->SetDirectory(menuFolder);
}

void TWinMain::FormDestroy(TComponent*) {
  FPendingIcons.clear();
  ApplyHotkey(THotkey{});  // the key goes back to the system while the window still exists
}

void TWinMain::FormDeactivate(TComponent*) {
  FMenuShown = false;
  EndFillPass();  // also cancels a running build
}

void TWinMain::MExitClick(TComponent*) { Close(); }

TWinSetting& TWinMain::CreateSettingsDialog(const TIniGTHost& host) {
  auto rebuildWith = [this](TMenuBuildSettings& holder) {
    FMenuBuildSettings = &holder;
    RebuildMenu();
  };
  FWinSetting = &Application().CreateForm<TWinSetting>(
      *FPCMain, rebuildWith, [this](bool enabled) { EnableGesture(enabled); },
      [this](const THotkey& hotkey) { ApplyHotkey(hotkey); }, host);
  FWinSetting->RequestRemovalNotice(*this);
  // Also when loading failed before the first build: the next rebuild then fills the menu.
  FMenuBuildSettings = FWinSetting;
  FTreeSearch->Start(RecentFilePath(FWinSetting->IniGT().FullPath()));
  return *FWinSetting;
}

void TWinMain::RemovalNotice(TComponent& component) {
  if (&component == FWinSetting) {
    FWinSetting = nullptr;
    FMenuBuildSettings = nullptr;
  }
  TForm::RemovalNotice(component);
}

void TWinMain::MSettingClick(TComponent*) {
  if (!FWinSetting) return;
  // No gesture while the dialog is open; ready again however the dialog ends.
  FReady = false;
  struct TReadyAgain {
    bool& Ready;
    ~TReadyAgain() { Ready = true; }
  } readyAgain{FReady};
  FWinSetting->ShowModal();
  RebuildMenu();
}

namespace {

const TMenuItem* ItemOf(TComponent* sender) { return dynamic_cast<const TMenuItem*>(sender); }

}  // namespace

void TWinMain::N2Click(TComponent*) { LaunchWithShell(MenuFolderPath(ExecutablePath())); }

void TWinMain::ItemClick(TComponent* sender) {
  const TMenuItem* item = ItemOf(sender);
  if (!item) return;
  // The right button has been released by the time the click runs: the menu remembers it.
  const bool rightButton = TPopupMenu::ChosenWithRightButton() || ::GetKeyState(VK_RBUTTON) < 0;
  if (rightButton || ::GetKeyState(VK_SHIFT) < 0) {
    const POINT place = ContextMenuPlace();
    const TMenuForeground foreground(Handle());
    FCMEx->PopupFile(Handle(), item->Hint(), place.x, place.y);
  } else {
    FTreeSearch->Started(item->Hint());
    LaunchWithShell(item->Hint());
  }
}

POINT TWinMain::ContextMenuPlace() const {
  // After a circle or the hotkey the window stands where the menu opened: its client origin.
  // Parked, it stands in the screen's corner, so the menu comes up where the user is: beside
  // the item Enter chose, or at the pointer that chose it.
  POINT place{};
  if (Left() != -1 || Top() != -1) return place;
  if (const auto item = TPopupMenu::ChosenByKeyAt())
    place = {item->right, item->top};
  else
    ::GetCursorPos(&place);
  ::ScreenToClient(Handle(), &place);
  return place;
}

void TWinMain::OpenFolderClick(TComponent* sender) {
  if (const TMenuItem* item = ItemOf(sender)) LaunchWithShell(item->Hint());
}

void TWinMain::CancelClick(TComponent* sender) { FormDeactivate(sender); }

void TWinMain::DirMonChange(TComponent*) {
  RebuildMenu();
  FTreeSearch->FolderChanged();
}

void TWinMain::MoveWindowTo(int left, int top) { SetBounds(left, top, Width(), Height()); }

void TWinMain::Park() { MoveWindowTo(-1, -1); }

void TWinMain::EnableGesture(bool enabled) {
  if (enabled == FGestureEnabled) return;
  FGestureEnabled = enabled;
  // Switched off, nothing watches the pointer at all, neither timer nor mouse hook; switched
  // on again, a circle starts afresh.
  FGesture.ResetTrail();
  FPointerWake = enabled ? WatchPointer() : nullptr;
  FHiTimer->SetEnabled(enabled);
}

std::unique_ptr<TPointerWake> TWinMain::WatchPointer() {
  return std::make_unique<TPointerWake>([this] { WakeFromRest(); });
}

bool TWinMain::GestureResting() const { return FPointerWake && FPointerWake->Resting(); }

void TWinMain::HITimerTimer(TComponent*) {
  if (FMenuShown) Park();
  std::optional<TPoint32> pointer;
  if (POINT at{}; ::GetCursorPos(&at)) pointer = TPoint32{at.x, at.y};
  // Windows fires the timer 47 to 63 ms apart (periods round up to the clock's tick) and the
  // detector judges a circle's pace by the time really gone by; it caps a long first interval.
  const std::uint64_t now = ::GetTickCount64();
  const std::uint64_t elapsed = std::min<std::uint64_t>(now - FGestureTickAt, INT32_MAX);
  FGestureTickAt = now;
  if (FGesture.TimerTick(pointer, FReady, static_cast<std::int32_t>(elapsed)))
    ::PostMessageW(Handle(), WM_GESTUREPOPUP, 0, 0);
  else if (pointer)
    SleepWhileResting(*pointer);
}

void TWinMain::SleepWhileResting(TPoint32 pointer) {
  // A process that idles for weeks should not wake twenty times a second for nothing. The
  // timer is left to the hook only where the hook is known to see the pointer move.
  const POINT at{pointer.X, pointer.Y};
  FPointerWake->Observe(at);
  if (!FPointerWake->CanRest(at) || !FGesture.CanSleep(pointer, FReady) || Left() != -1 || Top() != -1) return;
  FHiTimer->SetEnabled(false);
  FPointerWake->Rest(at);
}

void TWinMain::WakeFromRest() {
  FHiTimer->SetEnabled(true);
  HITimerTimer(FHiTimer);  // the first movement counts at once, as a running timer would see it
}

void TWinMain::WMGesturePopup(TMessage& message) {
  message.Result = 0;
  if (InMenuMode()) return;  // a circle drawn over an open menu opens no second one
  TMenuItem& root = FMainMenu->Items();
  if (FMenuShown) {
    if (root.Count() > 0) root.Items(root.Count() - 1)->Click();  // Cancel
    FMenuShown = false;
    return;
  }
  PopupAtPointer();
}

void TWinMain::WMSettingChange(TMessage& message) {
  if (IsEnvironmentChange(message.LParam)) FEnvironment->Refresh();  // programs started from now on get it
  // A switch between light and dark apps names this area; high contrast comes with its own
  // flag. The next menu shown takes the new look.
  const auto* area = reinterpret_cast<const wchar_t*>(message.LParam);
  if ((area && std::wstring_view(area) == L"ImmersiveColorSet") || message.WParam == SPI_SETHIGHCONTRAST)
    RefreshMenuTheme();
}

void TWinMain::WMHotKey(TMessage& message) {
  message.Result = 0;
  if (message.WParam != LauncherHotkeyId) return;
  // The menu loop hands the hotkey on to this window: the same key closes what it opened.
  if (InMenuMode()) {
    ::EndMenu();
    return;
  }
  PopupAtPointer();
}

void TWinMain::OpenOnStart(const std::wstring& folderArgument) { FStartRequests->Post(folderArgument); }

bool TWinMain::OpenRequested(const std::wstring& folderArgument) {
  if (FWinSetting && FWinSetting->Visible()) {
    ::SetForegroundWindow(FWinSetting->Handle());  // the open dialog is what the user gets back to
    return true;
  }
  if (InMenuMode()) {  // the open menu closes, and the request comes again once it has
    ::EndMenu();
    return false;
  }
  if (RebuildMustWait()) return false;  // a pass is filling the menu, or a folder is being read
  if (folderArgument.empty())
    PopupAtPointer();
  else
    OpenFolderMenu(ResolveFolderArgument(MenuFolderPath(ExecutablePath()), folderArgument));
  return true;
}

void TWinMain::ApplyHotkey(const THotkey& hotkey) {
  FHotkey.Reset();
  if (!hotkey.Empty()) FHotkey = RegisterLauncherHotkey(Handle(), hotkey);
  // Alt alone would close the open menu, and the rest of the same press would open it again.
  TPopupMenu::SetAltLeftAlone(FHotkey.Valid() && (hotkey.Modifiers & hmAlt));
  if (!hotkey.Empty() && !FHotkey)
    Application().ShowException(Exception(Text(TText::HotkeyTaken, {HotkeyText(hotkey)})));
}

void TWinMain::PopupAtPointer() {
  POINT at{};
  if (!::GetCursorPos(&at)) return;
  const HWND previousForeground = ::GetForegroundWindow();  // before BringWindowToTop takes it
  MoveWindowTo(at.x, at.y);
  ::BringWindowToTop(Handle());
  if (!FReady) {  // a build runs: nothing is shown, and the window goes back out of sight
    Park();
    return;
  }
  {
    POINT origin{};
    ::ClientToScreen(Handle(), &origin);
    const TMenuForeground foreground(Handle(), previousForeground);
    FMainMenu->Popup(origin.x, origin.y);
  }
  // The chosen item's click was posted as the menu closed and runs first: a context menu it
  // shows opens where the launcher menu was. Then the window goes back out of sight.
  ::PostMessageW(Handle(), WM_PARKWINDOW, 0, 0);
  FMenuShown = true;
}
