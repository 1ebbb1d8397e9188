#include "shell/context_menu_ex.h"

#include <shlobj.h>

#include <optional>

#include "framework/win_handle.h"
#include "framework/com_ptr.h"
#include "shell/send_to.h"
#include "shell/shell_allocator.h"
#include "shell/shell_commands.h"
#include "shell/shell_items.h"

namespace {

constexpr std::size_t MaxFiles = 1024;

// Shows the context menu of `count` items packed in `items`, all of `folder`, at the screen
// point `at`, and carries out the choice.
bool ShowMenu(HWND wnd, IShellFolder& folder, POINT at, std::size_t count, const TIdByte* items) {
  if (!wnd || !items || count < 1 || count > MaxFiles) return false;
  TShellAllocator allocator;
  if (!allocator) return false;

  std::vector<TIdList> oneItemLists;
  std::vector<LPCITEMIDLIST> itemArray;
  oneItemLists.reserve(count);
  itemArray.reserve(count);
  for (const TIdByte* item = items; oneItemLists.size() < count; item = IdListNextItem(item)) {
    oneItemLists.push_back(IdListCopyFirst(allocator, item));
    if (!oneItemLists.back()) return false;
    itemArray.push_back(AsItemIdList(oneItemLists.back().Get()));
  }

  TComPtr<IContextMenu> contextMenu;
  if (FAILED(folder.GetUIObjectOf(wnd, static_cast<UINT>(count), itemArray.data(), IID_IContextMenu, nullptr,
                                  contextMenu.PutVoid()))) {
    return false;
  }
  const TMenuHandle menu(::CreatePopupMenu());
  if (!menu || !FillShellMenu(*contextMenu.Get(), menu.Get())) return false;
  const std::optional<int> sendToArmed = FillSendToMenu(wnd, menu.Get());

  UINT command = static_cast<UINT>(
      ::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, wnd, nullptr));
  // A Send To entry is carried out as a copy of the files, then a paste into the entry.
  const std::optional<int> sendToEntry = sendToArmed ? SendToEntryOf(command, *sendToArmed) : std::nullopt;
  if (sendToEntry) command = CommandIdOf(TShellCommand::scCopy);
  if (command == 0) return false;

  if (!InvokeMenuCommand(*contextMenu.Get(), wnd, command)) return false;
  return sendToEntry ? SendToInvoke(wnd, *sendToEntry) : true;
}

}  // namespace

void TContextMenuEx::SetCMFileName(const std::vector<std::wstring>* list) {
  if (list) FCMFileName = *list;
}

bool TContextMenuEx::PopupFile(HWND wnd, const std::wstring& fileName, int x, int y) {
  if (!wnd) return false;
  FCMFileName.assign(1, fileName);
  return PopupFiles(wnd, x, y);
}

bool TContextMenuEx::PopupFiles(HWND wnd, int x, int y) {
  if (!wnd) return false;
  const std::size_t count = FCMFileName.size();
  if (count < 1 || count > MaxFiles) return false;
  try {
    TShellAllocator allocator;
    if (!allocator) return false;
    const std::optional<TItemSelection> selection = BuildItemList(allocator, FCMFileName);
    if (!selection) return false;
    POINT at{x, y};
    ::ClientToScreen(wnd, &at);
    return ShowMenu(wnd, *selection->Folder.Get(), at, count, selection->Items.Get());
  } catch (const std::exception&) {
    // Shell operations answer with their result only; running out of memory is a failure too.
    return false;
  }
}
