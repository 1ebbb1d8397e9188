#include "app/win_main.h"

#include <windows.h>
#include <shellapi.h>

#include "app/menu_folder.h"
#include "folder/dir_monitor.h"
#include "folder/file_list.h"
#include "framework/application.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "framework/timer.h"
#include "menu/popup_cool.h"
#include "resource_ids.h"
#include "settings/win_setting.h"
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

}  // namespace

TWinMain::TWinMain(TComponent* owner) : TForm(owner, WinMainDesign()) {
  BeginLoading();
  FTrayIcon1 = &Make<TTrayIcon>();
  FTrayIcon1->SetName(L"TrayIcon1");
  FPopupMenu1 = &Make<TPopupMenu>();
  FPopupMenu1->SetName(L"PopupMenu1");
  FMainMenu = &Make<TPopupMenu>();
  FMainMenu->SetName(L"MainMenu");
  FMainMenu->SetAutoPopup(false);
  MakeCommandMenu();

  FTrayIcon1->Icon().LoadFromResource(IDI_TAMARIND, ::GetSystemMetrics(SM_CXSMICON));
  FTrayIcon1->SetLBPopupMenu(FPopupMenu1);
  FTrayIcon1->SetRBPopupMenu(FMainMenu);
  FTrayIcon1->SetTipHelp(L"Tamarind");
  FTrayIcon1->SetVisible(true);

  FDirMon = &Make<TDirMonitor>();
  FDirMon->SetName(L"DirMon");
  FDirMon->SetActive(true);
  using enum TDirMonitorFilterValue;
  FDirMon->SetFilter({dmfFileName, dmfDirName, dmfAttributes, dmfSize, dmfLastWrite});
  FDirMon->SetIncludeSubDir(true);
  TDirMonitor::SetInterval(1000);
  FDirMon->OnChange = [this](TComponent* sender) { DirMonChange(sender); };

  FImageList = &Make<TImageList>();
  FImageList->SetName(L"ImageList");
  FPCMain = &Make<TPopupCool>();
  FPCMain->SetName(L"PCMain");
  FPCMain->SetImages(FImageList);
  FPCMain->SetMenuStyle(msWindows);
  FPCMain->SetMenu(FMainMenu);

  FFileList = &Make<TFileList>();
  FFileList->SetName(L"FileList");
  using enum TFileAttr;
  FFileList->SetFileType({ftReadOnly, ftHidden, ftSystem, ftDirectory, ftArchive, ftNormal});
  FFileList->SetMask({L"*.*"});

  FHiTimer = &Make<TTimer>();
  FHiTimer->SetName(L"HiTimer");
  FHiTimer->SetEnabled(false);
  FHiTimer->SetInterval(60);

  FRebuildTimer = &Make<TTimer>();
  FRebuildTimer->SetEnabled(false);
  FRebuildTimer->SetInterval(200);
  FRebuildTimer->OnTimer = [this](TComponent*) {
    if (!RebuildMustWait()) RebuildMenu();
  };
  try {
    EndLoading();  // adds the tray icon
  } catch (...) {
    Application().HandleException();  // the launcher still answers the gesture
  }

  OnCreate = [this](TComponent* sender) { FormCreate(sender); };
  OnDestroy = [this](TComponent* sender) { FormDestroy(sender); };
  OnDeactivate = [this](TComponent* sender) { FormDeactivate(sender); };
}

TMenuItem& TWinMain::MakeMenuItem(const wchar_t* name, const wchar_t* caption) {
  TMenuItem& item = Make<TMenuItem>();
  item.SetName(name);
  item.SetCaption(caption);
  FPopupMenu1->Items().Add(item);
  return item;
}

void TWinMain::MakeCommandMenu() {
  FMSetting = &MakeMenuItem(L"MSetting", L"表示の設定(&V)...");
  FMSetting->OnClick = [this](TComponent* sender) { MSettingClick(sender); };
  FN2 = &MakeMenuItem(L"N2", L"登録フォルダを開く(&R)...");
  FN2->OnClick = [this](TComponent* sender) { N2Click(sender); };
  FN1 = &MakeMenuItem(L"N1", L"-");
  FMExit = &MakeMenuItem(L"MExit", L"終了(&X)");
  FMExit->OnClick = [this](TComponent* sender) { MExitClick(sender); };
}

void TWinMain::FormCreate(TComponent*) {
  for (TIconCacheEntry& entry : FIconCache) entry.Key = {0, 0, 0};
  FIconCacheCount = 0;
  SetBounds(-1, -1, 1, 1);
  FPendingIcons.clear();
  FMenuShown = false;
  FTurnSpan = 5;
  FHiTimer->SetInterval(50);
  FMoveThreshold = 2;
  FMinPoints = 12;

  const std::wstring menuFolder = MenuFolderPath(ExecutablePath());
  const DWORD attributes = ::GetFileAttributesW(menuFolder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    ::CreateDirectoryW(menuFolder.c_str(), nullptr);  // a failure leaves an empty launcher menu
  }

  FReady = true;
  FHiTimer->SetEnabled(true);
  FDirMon->SetDirectory(menuFolder);
}

void TWinMain::FormDestroy(TComponent*) { FPendingIcons.clear(); }

void TWinMain::FormDeactivate(TComponent*) {
  FMenuShown = false;
  FReady = true;  // also cancels a running build
}

void TWinMain::MExitClick(TComponent*) { Close(); }

TWinSetting& TWinMain::CreateSettingsDialog(const TIniGTHost& host) {
  auto rebuildWith = [this](TMenuBuildSettings& holder) {
    FMenuBuildSettings = &holder;
    RebuildMenu();
  };
  FWinSetting = &Application().CreateForm<TWinSetting>(*FPCMain, rebuildWith, host);
  FWinSetting->RequestRemovalNotice(*this);
  // Also when loading failed before the first build: the next rebuild then fills the menu.
  FMenuBuildSettings = FWinSetting;
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

// Opens a file or folder as a double click in Explorer would; a failure stays silent.
void OpenWithShell(const std::wstring& path) {
  const std::wstring workingFolder = FolderOf(path);
  ::ShellExecuteW(nullptr, L"open", path.c_str(), L"", workingFolder.c_str(), SW_SHOW);
}

const TMenuItem* ItemOf(TComponent* sender) { return dynamic_cast<const TMenuItem*>(sender); }

}  // namespace

void TWinMain::N2Click(TComponent*) { OpenWithShell(MenuFolderPath(ExecutablePath())); }

void TWinMain::ItemClick(TComponent* sender) {
  if (const TMenuItem* item = ItemOf(sender)) OpenWithShell(item->Hint());
}

void TWinMain::OpenFolderClick(TComponent* sender) {
  if (const TMenuItem* item = ItemOf(sender)) OpenWithShell(item->Hint());
}

void TWinMain::CancelClick(TComponent* sender) { FormDeactivate(sender); }

void TWinMain::DirMonChange(TComponent*) { RebuildMenu(); }
