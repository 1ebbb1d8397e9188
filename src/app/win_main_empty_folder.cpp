// The launcher menu of an empty menu folder: instead of a lone Cancel, a note that the folder
// is empty and a way to open it, so that a new user sees where programs go.
#include <windows.h>

#include <algorithm>

#include "app/win_main.h"
#include "folder/link_target.h"
#include "folder/menu_folder.h"
#include "framework/menu_item.h"
#include "framework/system_paths.h"
#include "menu/popup_cool.h"
#include "texts/texts.h"

namespace {

bool HasVisibleItem(const TMenuItem& item) {
  for (int i = 0; i < item.Count(); ++i)
    if (item.Items(i)->Visible()) return true;
  return false;
}

}  // namespace

bool TWinMain::MakeMenuFolder(const std::wstring& folder) {
  if (IsExistingFolder(folder)) return true;
  ::CreateDirectoryW(folder.c_str(), nullptr);  // a single level, as the program's folder exists
  return IsExistingFolder(folder);
}

void TWinMain::AppendEmptyFolderItems(TMenuItem& root) {
  // Only a listing that ran to its end tells that the folder is empty: a cancelled or failed
  // pass leaves the root incomplete.
  if (root.Tag() != -1 || HasVisibleItem(root)) return;
  // The folder may have been removed since the start; it is made again where that is allowed.
  const bool folderExists = MakeMenuFolder(MenuFolderPath(ExecutablePath()));
  TMenuItem& note = MakeItem(Text(folderExists ? TText::EmptyMenuFolder : TText::NoMenuFolder), L"");
  note.SetEnabled(false);
  root.Add(note);
  TMenuItem& open = MakeItem(Text(TText::OpenMenuFolder), L"");
  open.OnClick = [this](TComponent* sender) { N2Click(sender); };
  // A folder that cannot be made cannot be opened either.
  open.SetEnabled(folderExists);
  root.Add(open);
  FPCMain->AttachItems(note);
  FPCMain->AttachItems(open);
}
