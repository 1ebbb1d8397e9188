// The launcher menu's item tree, built from the menu folder: folders and folder shortcuts
// become submenus filled when first highlighted, files and other shortcuts become items.
#include <windows.h>

#include <utility>

#include "app/menu_folder.h"
#include "app/win_main.h"
#include "folder/file_list.h"
#include "framework/application.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "framework/timer.h"
#include "menu/popup_cool.h"
#include "settings/menu_build_settings.h"

namespace {

const std::wstring OpenFolderCaption = L"このフォルダを開く";
const std::wstring CancelCaption = L"キャンセル";

// Counts the fill pass that runs while it lives.
class TPassScope {
public:
  explicit TPassScope(int& depth) : FDepth(depth) { ++FDepth; }
  ~TPassScope() { --FDepth; }
  TPassScope(const TPassScope&) = delete;
  TPassScope& operator=(const TPassScope&) = delete;

private:
  int& FDepth;
};

// Lets the waiting messages through after the first item and then every few milliseconds:
// often enough for a highlight or a deactivation to cancel the pass at once, without a look
// at the queue after every one of thousands of items.
class TPassPump {
public:
  void operator()() {
    const ULONGLONG now = ::GetTickCount64();
    if (FLast != 0 && now - FLast < IntervalMs) return;
    Application().ProcessMessages();
    FLast = now;
  }

private:
  static constexpr ULONGLONG IntervalMs = 10;
  ULONGLONG FLast = 0;
};

// Runs `action` however the scope is left.
template <typename F>
class TScopeExit {
public:
  explicit TScopeExit(F action) : FAction(std::move(action)) {}
  ~TScopeExit() { FAction(); }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

private:
  F FAction;
};

bool IsShortcut(const std::wstring& path) {
  return path.size() >= 4 && ::CompareStringOrdinal(path.c_str() + path.size() - 4, 4, L".lnk", 4, TRUE) == CSTR_EQUAL;
}

std::wstring NameOf(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/:") + 1); }

std::wstring WithoutExtension(const std::wstring& name) {
  const size_t dot = name.find_last_of(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

// The folder a shortcut leads to, or empty when it leads to none.
std::wstring ShortcutFolder(const std::wstring& shortcut) {
  std::wstring target = ShellLinkPath(shortcut);
  if (!target.empty() && IsExistingFolder(target)) return target;
  target = shortcut;
  return ReadLinkTarget(target) == TLinkTarget::ltFolder ? target : std::wstring();
}

}  // namespace

bool TWinMain::RebuildMustWait() const {
  // Rebuilding frees the items a running pass or an open menu is working on.
  return FPassDepth > 0 || InMenuMode();
}

void TWinMain::RebuildMenu() {
  if (RebuildMustWait()) {
    FRebuildPending = true;
    FRebuildTimer->SetEnabled(true);
    return;
  }
  FRebuildPending = false;
  FRebuildTimer->SetEnabled(false);
  TMenuItem& root = FMainMenu->Items();
  ClearItems(root);
  try {
    FillFolder(MenuFolderPath(ExecutablePath()), root, true);
  } catch (...) {
    AppendFixedItems(root);
    throw;
  }
  AppendFixedItems(root);
}

void TWinMain::AppendFixedItems(TMenuItem& root) {
  AppendEmptyFolderItems(root);
  root.SetTag(-1);
  TMenuItem& separator = MakeItem(L"-", L"");
  root.Add(separator);
  TMenuItem& cancel = MakeItem(CancelCaption, L"");
  cancel.OnClick = [this](TComponent* sender) { CancelClick(sender); };
  root.Add(cancel);
  FPCMain->AttachItems(separator);
  FPCMain->AttachItems(cancel);
}

void TWinMain::ClearItems(TMenuItem& Item) {
  FPendingIcons.clear();
  // Last first: each item leaves the end of its menu, which costs nothing to close up.
  while (Item.Count() > 0) TComponentDeleter{}(Item.Items(Item.Count() - 1));
  Item.SetTag(0);
}

void TWinMain::FillFolder(const std::wstring& Path, TMenuItem& Parent, bool IsRoot) {
  FPendingIcons.clear();
  FReady = false;
  if (!FMenuBuildSettings) return;
  const TMenuBuildSettings& settings = *FMenuBuildSettings;
  const TPassScope pass(FPassDepth);

  FFileList->SetDirectory(Path);
  FFileList->Refresh();
  const THourGlassCursor hourglass;

  const int listed = static_cast<int>(FFileList->List().size());
  const int openFolderItems = IsRoot ? 0 : 1;
  if (listed > 0 && Parent.Count() < listed + openFolderItems) {
    TFileEntry entry;
    TPassPump pump;
    for (int k = Parent.Count(); k < listed; ++k) {
      FFileList->GetInfo(static_cast<size_t>(k), entry);
      AddEntry(entry, Parent);
      pump();
      if (FReady) return;  // cancelled: a later pass resumes at the next index
    }
  }
  if (settings.SplitColumns() && Parent.Count() > 1) SplitIntoColumns(Parent, settings);
  Parent.SetTag(-1);
  if (settings.ShowIcons() && !FetchIcons()) return;
  FPCMain->AttachItems(FMainMenu->Items());
  FReady = true;
}

void TWinMain::PCMainMenuSelect(TMenuItem* Item, const std::wstring&) {
  if (!FReady) {
    FReady = true;  // another highlight ends the pass that is running
    return;
  }
  if (Item && Item->Tag() != -1 && Item->Caption() != OpenFolderCaption && IsExistingFolder(Item->Hint()))
    FillFolder(Item->Hint(), *Item, false);
}

void TWinMain::SplitIntoColumns(TMenuItem& parent, const TMenuBuildSettings& settings) {
  // A column starts at every L-th visible item, counted from position 1.
  int visible = 0;
  for (int position = 1; position < parent.Count(); ++position) {
    TMenuItem& item = *parent.Items(position);
    if (item.Visible()) ++visible;
    const bool columnStarts = visible % settings.ColumnLength() == 0;
    const TMenuBreak columnBreak = settings.VerticalBars() ? TMenuBreak::mbBarBreak : TMenuBreak::mbBreak;
    item.SetBreak(columnStarts ? columnBreak : TMenuBreak::mbNone);
  }
}

bool TWinMain::FetchIcons() {
  // The tip shows the counters as the pass leaves them, set once rather than on every hit.
  const TScopeExit showCounters([this, hits = IconHits] {
    if (IconHits != hits) ShowIconCounters();
  });
  TPassPump pump;
  for (size_t i = 0; i < FPendingIcons.size(); ++i) {
    TMenuItem& item = *FPendingIcons[i];
    FPCMain->SetItemImage(item, IconIndexOf(item.Hint()), item.Hint());
    pump();
    if (FReady) return false;  // the remaining items stay without icons
  }
  return true;
}

void TWinMain::AddEntry(const TFileEntry& Entry, TMenuItem& Parent) {
  const std::wstring& path = Entry.Name;
  if (Entry.Attr & FILE_ATTRIBUTE_DIRECTORY) {
    const std::wstring caption = NameOf(path);
    TMenuItem& folder = MakeFolderItem(caption, FolderPathOf(path));
    if (caption == L"<.>" || caption == L"<..>") folder.SetVisible(false);
    PlaceItem(folder, Parent, IsExistingFolder(folder.Hint()));
  } else if (const std::wstring target = IsShortcut(path) ? ShortcutFolder(path) : std::wstring(); !target.empty()) {
    PlaceItem(MakeFolderItem(FolderCaptionOf(target), target), Parent, true);
  } else {
    const std::wstring name = NameOf(path);
    TMenuItem& file = MakeItem(IsShortcut(path) ? WithoutExtension(name) : name, path);
    file.OnClick = [this](TComponent* sender) { ItemClick(sender); };
    PlaceItem(file, Parent, false);  // listed as a file
  }
}

TMenuItem& TWinMain::MakeItem(const std::wstring& caption, const std::wstring& hint) {
  TMenuItem& item = Make<TMenuItem>();
  item.SetCaption(caption);
  item.SetHint(hint);
  return item;
}

TMenuItem& TWinMain::MakeFolderItem(const std::wstring& caption, const std::wstring& folder) {
  TMenuItem& openFolder = MakeItem(OpenFolderCaption, folder);
  openFolder.SetDefault(true);
  openFolder.OnClick = [this](TComponent* sender) { OpenFolderClick(sender); };
  TMenuItem& submenu = MakeItem(caption, folder);
  submenu.Add(openFolder);
  return submenu;
}

void TWinMain::PlaceItem(TMenuItem& item, TMenuItem& parent, bool existingFolder) {
  if (existingFolder) {
    // Folders come first, in listing order, after the open-this-folder item.
    const bool opensFolder = parent.Count() > 0 && parent.Items(0)->Caption() == OpenFolderCaption;
    parent.Insert(parent.Tag() + (opensFolder ? 1 : 0), item);
    parent.SetTag(parent.Tag() + 1);
  } else {
    parent.Add(item);
    FPendingIcons.push_back(&item);
  }
}
