// The launcher menu's item tree, built from the menu folder: folders and folder shortcuts
// become submenus filled when first highlighted, files and other shortcuts become items.
#include <windows.h>

#include <utility>

#include "app/icon_fetcher.h"
#include "app/shortcut_checker.h"
#include "app/win_main.h"
#include "folder/file_list.h"
#include "folder/menu_folder.h"
#include "framework/application.h"
#include "framework/dpi.h"
#include "framework/exception.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "framework/timer.h"
#include "menu/popup_cool.h"
#include "settings/menu_build_settings.h"
#include "texts/texts.h"
#include "tray/tray_icon.h"

namespace {

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

std::wstring NameOf(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/:") + 1); }

std::wstring WithoutExtension(const std::wstring& name) {
  const size_t dot = name.find_last_of(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

// Whether `item` is `folder` or lies in its submenu.
bool IsWithin(const TMenuItem* item, const TMenuItem& folder) {
  for (; item; item = item->Parent())
    if (item == &folder) return true;
  return false;
}

}  // namespace

bool TWinMain::RebuildMustWait() const {
  // Rebuilding frees the items a running pass or an open menu is working on, and the root a
  // folder's menu waits to be listed into.
  return FPassDepth > 0 || InMenuMode() || FFolderMenus->Target();
}

void TWinMain::RebuildMenu() {
  if (RebuildMustWait()) {
    FRebuildTimer->SetEnabled(true);
    return;
  }
  FRebuildTimer->SetEnabled(false);
  FFolders->Forget();
  TMenuItem& root = FMainMenu->Items();
  ClearItems(root);
  root.SetHint(L"");  // the menu folder's, after a folder's menu
  try {
    // Shortcuts whose folders a check has yet to find are listed as files until it has.
    TFolderListing listing = ListFolder(MenuFolderPath(ExecutablePath()), ListingFilter(), TShortcutTargets::stUnchecked);
    FShortcuts->Apply(listing);
    FillListed(listing, root, true);
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
  TMenuItem& cancel = MakeItem(Text(TText::Cancel), L"");
  cancel.OnClick = [this](TComponent* sender) { CancelClick(sender); };
  root.Add(cancel);
  FPCMain->AttachItems(separator);
  FPCMain->AttachItems(cancel);
}

void TWinMain::ClearItems(TMenuItem& Item) {
  FPendingIcons.clear();
  FIcons->Forget();
  if (IsWithin(FFolders->Target(), Item)) FFolders->Forget();
  if (IsWithin(FFolderMenus->Target(), Item)) FFolderMenus->Forget();
  if (IsWithin(FListingNote, Item)) FListingNote = nullptr;
  // Last first: each item leaves the end of its menu, which costs nothing to close up.
  while (Item.Count() > 0) TComponentDeleter{}(Item.Items(Item.Count() - 1));
  Item.SetTag(0);
}

TListingFilter TWinMain::ListingFilter() const { return {FFileList->FileType(), FFileList->Mask()}; }

void TWinMain::FillListed(const TFolderListing& Listing, TMenuItem& Parent, bool IsRoot) {
  FPendingIcons.clear();
  FReady = false;
  if (!FMenuBuildSettings) return;
  const TMenuBuildSettings& settings = *FMenuBuildSettings;
  const TPassScope pass(FPassDepth);
  const THourGlassCursor hourglass;

  const int listed = static_cast<int>(Listing.Entries.size());
  const int openFolderItems = IsRoot ? 0 : 1;
  if (listed > 0 && Parent.Count() < listed + openFolderItems) {
    TPassPump pump;
    for (int k = Parent.Count(); k < listed; ++k) {
      AddEntry(Listing.Entries[static_cast<size_t>(k)], Parent);
      pump();
      if (FReady) return;  // cancelled: a later pass resumes at the next index
    }
  }
  if (settings.SplitColumns() && Parent.Count() > 1) SplitIntoColumns(Parent, settings);
  Parent.SetTag(-1);
  if (settings.ShowIcons() && !FetchIcons()) return;
  if (IsRoot) {
    FPCMain->AttachItems(FMainMenu->Items());
  } else {
    // Only the submenu's own entries: attaching rewrites an entry's state, and an open menu
    // finds the submenu it shows by the highlight on the folder's entry.
    for (int i = 0; i < Parent.Count(); ++i) FPCMain->AttachItems(*Parent.Items(i));
  }
  FReady = true;
}

void TWinMain::PCMainMenuSelect(TMenuItem* Item, const std::wstring&) {
  if (const TMenuItem* waiting = FFolders->Target()) {
    // Moving within the folder being read, or back onto it, keeps the wait; anything else ends
    // it, and the item now highlighted is served as if nothing had been waiting.
    if (IsWithin(Item, *waiting)) return;
    EndFillPass();
  }
  if (!FReady) {
    FReady = true;  // another highlight ends the pass that is running
    return;
  }
  // Every submenu starts with its open-this-folder item; files have none.
  if (Item && Item->Tag() != -1 && Item->Count() > 0 && Item->Caption() != Text(TText::OpenThisFolder)) {
    ShowListingNote(*Item, TListingNote::lnNone);  // a note from an earlier try goes
    FFolders->Request(*Item);
  }
}

void TWinMain::EndFillPass() {
  FReady = true;
  FFolders->Forget();
}

void TWinMain::FolderListed(TMenuItem& folder, const TFolderListing& listing) {
  ShowListingNote(folder, TListingNote::lnNone);
  // A folder gone since it was listed in its parent stays an empty submenu, as before.
  if (listing.FolderExists) FillListed(listing, folder, false);
  ReopenSubmenu(folder.Handle());
}

void TWinMain::OpenFolderMenu(const std::wstring& folder) {
  TMenuItem& root = FMainMenu->Items();
  ClearItems(root);
  root.SetHint(folder);
  TMenuItem& openFolder = MakeItem(Text(TText::OpenThisFolder), folder);
  openFolder.SetDefault(true);
  openFolder.OnClick = [this](TComponent* sender) { OpenFolderClick(sender); };
  root.Add(openFolder);
  FFolderMenus->Request(root);
}

void TWinMain::FolderMenuListed(TMenuItem& root, const TFolderListing& listing) {
  const std::wstring folder = root.Hint();
  if (!listing.FolderExists) {
    RebuildMenu();
    Application().ShowException(Exception(Text(TText::FolderMissing, {folder})));
    return;
  }
  // Laid out as a submenu of the folder would be, with the launcher menu's own end.
  FillListed(listing, root, false);
  AppendFixedItems(root);
  FPCMain->AttachItems(root);
  PopupAtPointer();
  // The launcher menu comes back once the chosen item's click, posted as the menu closed, has run.
  FRebuildTimer->SetEnabled(true);
}

void TWinMain::ShowListingNote(TMenuItem& folder, TListingNote note) {
  if (FListingNote && (note == TListingNote::lnNone || FListingNote->Parent() != &folder)) {
    TComponentDeleter{}(FListingNote);
    FListingNote = nullptr;
  }
  if (note == TListingNote::lnNone) return;
  const std::wstring& caption = Text(note == TListingNote::lnLoading ? TText::Loading : TText::NoAnswer);
  if (!FListingNote) {
    FListingNote = &MakeItem(caption, L"");
    FListingNote->SetEnabled(false);
    folder.Add(*FListingNote);
  } else {
    FListingNote->SetCaption(caption);
  }
  FPCMain->AttachItems(*FListingNote);  // a screen reader says the new caption too
  ReopenSubmenu(folder.Handle());
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
  const TScopeExit showCounters([this, hits = FIcons->Hits()] {
    if (FIcons->Hits() != hits) ShowIconCounters();
  });
  TPassPump pump;
  for (size_t i = 0; i < FPendingIcons.size(); ++i) {
    TMenuItem& item = *FPendingIcons[i];
    FPCMain->SetItemImage(item, -1, item.Hint());  // the hint holds at once; the picture follows
    FIcons->Fetch(item);
    pump();
    if (FReady) return false;  // the remaining items stay without icons
  }
  return true;
}

void TWinMain::AddEntry(const TListedEntry& Listed, TMenuItem& Parent) {
  const std::wstring& path = Listed.Entry.Name;
  if (Listed.Entry.Attr & FILE_ATTRIBUTE_DIRECTORY) {
    const std::wstring caption = NameOf(path);
    TMenuItem& folder = MakeFolderItem(caption, FolderPathOf(path));
    if (caption == L"<.>" || caption == L"<..>") folder.SetVisible(false);
    PlaceItem(folder, Parent, Listed.ExistingFolder);
  } else if (!Listed.FolderTarget.empty()) {
    PlaceItem(MakeFolderItem(FolderCaptionOf(Listed.FolderTarget), Listed.FolderTarget), Parent, true);
  } else {
    const std::wstring name = NameOf(path);
    TMenuItem& file = MakeItem(IsShortcutPath(path) ? WithoutExtension(name) : name, path);
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
  TMenuItem& openFolder = MakeItem(Text(TText::OpenThisFolder), folder);
  openFolder.SetDefault(true);
  openFolder.OnClick = [this](TComponent* sender) { OpenFolderClick(sender); };
  TMenuItem& submenu = MakeItem(caption, folder);
  submenu.Add(openFolder);
  return submenu;
}

void TWinMain::PlaceItem(TMenuItem& item, TMenuItem& parent, bool existingFolder) {
  if (existingFolder) {
    // Folders come first, in listing order, after the open-this-folder item.
    const bool opensFolder = parent.Count() > 0 && parent.Items(0)->Caption() == Text(TText::OpenThisFolder);
    parent.Insert(parent.Tag() + (opensFolder ? 1 : 0), item);
    parent.SetTag(parent.Tag() + 1);
  } else {
    parent.Add(item);
    FPendingIcons.push_back(&item);
  }
}

void TWinMain::FitIconsToDpi(int dpi) {
  const int size = SmallIconSize(dpi);
  // Items of a build that must wait would keep indices into the emptied list: the next menu
  // fits the size instead.
  if (size == FImageList->Width() || RebuildMustWait()) return;
  FIcons->Resize(size);
  RebuildMenu();
}

void TWinMain::ShowIconCounters() {
  // After the name, so that the tip still says which program the icon belongs to.
  FTrayIcon1->SetTipHelp(std::wstring(ProgramName) + L" (" + std::to_wstring(FIcons->Hits()) + L"/" +
                         std::to_wstring(FIcons->Lookups()) + L")");
}
