#pragma once
// Finding files in the shell's namespace: identifier lists of paths, the folder that holds a
// path, the packed list of several files of one folder, display names.
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/com_ptr.h"
#include "shell/id_list.h"
#include "shell/shell_allocator.h"

// The root of the namespace; empty when the shell has none to give.
TComPtr<IShellFolder> DesktopFolder();
// The folder `list` (relative to `parent`) stands for; empty on failure.
TComPtr<IShellFolder> BindFolder(IShellFolder& parent, const TIdByte* list);

// The full list of `path` as the desktop parses it; empty on failure.
TIdList IdListFromPath(TShellAllocator& allocator, const std::wstring& path);
// A one-item list of the last item of `path`; empty on failure.
TIdList LastItemFromPath(TShellAllocator& allocator, const std::wstring& path);
// The folder that holds `path`; empty on failure, also for an object right under the desktop.
TComPtr<IShellFolder> ParentFolderOf(TShellAllocator& allocator, const std::wstring& path);

// Files of one folder, as the shell takes them: the folder and the packed list of their last
// items, in the order given.
struct TItemSelection {
  TComPtr<IShellFolder> Folder;
  TIdList Items;
};
// The folder of the first path serves for all of them.
std::optional<TItemSelection> BuildItemList(TShellAllocator& allocator, const std::vector<std::wstring>& paths);

// The name of `item` in `folder` as the shell shows it with `flags`.
std::optional<std::wstring> DisplayNameOf(IShellFolder& folder, const TIdByte* item, SHGDNF flags);
