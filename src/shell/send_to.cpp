#include "shell/send_to.h"

#include <shlobj.h>

#include <string>

#include "shell/shell_allocator.h"
#include "shell/shell_commands.h"
#include "shell/shell_items.h"

namespace {

// The non-folder entries of the user's Send To folder, in the shell's enumeration order. Both
// the filling and the invoking walk it; the entry's position is all that links the two.
class TSendToFolder {
public:
  TSendToFolder(TShellAllocator& allocator, HWND owner) : FAllocator(allocator) {
    ITEMIDLIST* location = nullptr;
    const HRESULT result = ::SHGetSpecialFolderLocation(owner, CSIDL_SENDTO, &location);
    FLocation = allocator.Adopt(location);
    if (FAILED(result) || !FLocation) return;
    if (const TComPtr<IShellFolder> desktop = DesktopFolder()) FFolder = BindFolder(*desktop.Get(), FLocation.Get());
    if (FFolder && FFolder->EnumObjects(owner, SHCONTF_NONFOLDERS, FEntries.Put()) != S_OK) FEntries.Reset();
  }

  bool Located() const { return static_cast<bool>(FLocation); }
  IShellFolder* Folder() const { return FFolder.Get(); }

  // The next entry, or an empty holder at the end.
  TIdList Next() {
    if (!FEntries) return {};
    ITEMIDLIST* entry = nullptr;
    const HRESULT result = FEntries->Next(1, &entry, nullptr);
    TIdList held = FAllocator.Adopt(entry);
    if (result != S_OK) return {};
    return held;
  }

private:
  TShellAllocator& FAllocator;
  TIdList FLocation;
  TComPtr<IShellFolder> FFolder;
  TComPtr<IEnumIDList> FEntries;
};

// "送る(&N)" on the shell's Japanese menus, or the older "(&T)".
constexpr const wchar_t* SendToNeedles[] = {L"(&N)", L"(&T)"};
constexpr std::size_t SendToNeedleByte = 5;

HMENU SendToSubmenu(HMENU menu) {
  for (const wchar_t* needle : SendToNeedles) {
    const int position = FindMenuItem(menu, needle, SendToNeedleByte);
    if (position > 0) return ::GetSubMenu(menu, position - 1);
  }
  return nullptr;
}

}  // namespace

std::optional<int> FillSendToMenu(HWND owner, HMENU menu) {
  const HMENU submenu = SendToSubmenu(menu);
  if (!submenu) return std::nullopt;
  TShellAllocator allocator;
  if (!allocator) return std::nullopt;
  TSendToFolder sendTo(allocator, owner);
  if (!sendTo.Located()) return std::nullopt;

  // The shell's own placeholder goes; an empty submenu has none to lose.
  if (::GetMenuItemCount(submenu) > 0) ::DeleteMenu(submenu, 0, MF_BYPOSITION);
  int given = 0;
  for (; given < SendToMaxEntries; ++given) {
    const TIdList entry = sendTo.Next();
    if (!entry) break;
    // An entry without a name is not shown but keeps its identifier, so that positions agree.
    if (const auto name = DisplayNameOf(*sendTo.Folder(), entry.Get(), SHGDN_NORMAL)) {
      ::AppendMenuW(submenu, MF_STRING, SendToFirstCommand + given, (L" " + *name).c_str());
    }
  }
  return given;
}

std::optional<int> SendToEntryOf(UINT command, int armed) {
  if (command < SendToFirstCommand || command >= SendToFirstCommand + static_cast<UINT>(armed)) return std::nullopt;
  return static_cast<int>(command - SendToFirstCommand);
}

bool SendToInvoke(HWND owner, int entryIndex) {
  if (entryIndex < 0 || entryIndex >= SendToMaxEntries) return false;
  TShellAllocator allocator;
  if (!allocator) return false;
  TSendToFolder sendTo(allocator, owner);
  for (int index = 0;; ++index) {
    const TIdList entry = sendTo.Next();
    if (!entry) return false;
    if (index == entryIndex) return InvokeStandardCommand(owner, sendTo.Folder(), TShellCommand::scPaste, entry.Get());
  }
}
