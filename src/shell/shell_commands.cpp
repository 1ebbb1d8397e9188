#include "shell/shell_commands.h"

#include <string>

#include "framework/win_handle.h"
#include "framework/com_ptr.h"
#include "shell/menu_text_needle.h"
#include "shell/shell_allocator.h"

namespace {

struct TCommandTraits {
  UINT VerbOffset;
  SFGAOF RequiredAttribute;  // 0: the item's menu must offer a paste item instead
};

TCommandTraits TraitsOf(TShellCommand command) {
  switch (command) {
    case TShellCommand::scLink: return {16, SFGAO_CANLINK};
    case TShellCommand::scDelete: return {17, SFGAO_CANDELETE};
    case TShellCommand::scProperties: return {19, SFGAO_HASPROPSHEET};
    case TShellCommand::scCut: return {24, SFGAO_CANMOVE};
    case TShellCommand::scCopy: return {25, SFGAO_CANCOPY};
    case TShellCommand::scPaste: return {26, 0};
  }
  return {0, 0};
}

// The capability, display-attribute and contents masks together, the display attributes as the
// classic shell defined them (today's headers widen that mask).
constexpr SFGAOF AttributesAsked = SFGAO_CAPABILITYMASK | 0x000F0000 | SFGAO_CONTENTSMASK;

// The shell's Japanese paste item, "貼り付け(&P)".
constexpr wchar_t PasteNeedle[] = L"(&P)";
constexpr std::size_t PasteNeedleByte = 9;

void ShowInvokeFailure(HWND owner) {
  ::MessageBoxW(owner, L" InvokeCommand failed! ", L" TContextMenuEx component version 2.05", MB_OK | MB_ICONINFORMATION);
}

std::wstring MenuText(HMENU menu, int position) {
  wchar_t text[256] = {};
  if (::GetMenuStringW(menu, static_cast<UINT>(position), text, 255, MF_BYPOSITION) <= 0) return {};
  return text;
}

}  // namespace

UINT CommandIdOf(TShellCommand command) { return TraitsOf(command).VerbOffset + ShellFirstCommand; }

bool FillShellMenu(IContextMenu& contextMenu, HMENU menu) {
  return SUCCEEDED(contextMenu.QueryContextMenu(menu, 0, ShellFirstCommand, ShellLastCommand, CMF_EXPLORE));
}

bool InvokeMenuCommand(IContextMenu& contextMenu, HWND owner, UINT commandId) {
  CMINVOKECOMMANDINFO invocation{};
  invocation.cbSize = sizeof(invocation);
  invocation.hwnd = owner;
  invocation.lpVerb = MAKEINTRESOURCEA(commandId - ShellFirstCommand);
  invocation.nShow = SW_SHOWNORMAL;
  if (SUCCEEDED(contextMenu.InvokeCommand(&invocation))) return true;
  ShowInvokeFailure(owner);
  return false;
}

int FindMenuItem(HMENU menu, std::wstring_view needle, std::size_t bytePosition) {
  const int count = ::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    const UINT state = ::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR)) continue;
    if (Cp932NeedlePosition(MenuText(menu, position), needle) == bytePosition) return position + 1;
  }
  return -1;
}

bool InvokeStandardCommand(HWND owner, IShellFolder* folder, TShellCommand command, const TIdByte* item) {
  if (!owner || !folder || !item) return false;
  const TCommandTraits traits = TraitsOf(command);
  if (traits.VerbOffset == 0) return false;

  LPCITEMIDLIST items[] = {AsItemIdList(item)};
  SFGAOF attributes = AttributesAsked;
  if (folder->GetAttributesOf(1, items, &attributes) != S_OK) return false;
  if (traits.RequiredAttribute != 0 && !(attributes & traits.RequiredAttribute)) return false;

  TComPtr<IContextMenu> contextMenu;
  if (FAILED(folder->GetUIObjectOf(owner, 1, items, IID_IContextMenu, nullptr, contextMenu.PutVoid()))) return false;
  const TMenuHandle menu(::CreatePopupMenu());
  if (!menu || !FillShellMenu(*contextMenu.Get(), menu.Get())) return false;
  if (command == TShellCommand::scPaste && FindMenuItem(menu.Get(), PasteNeedle, PasteNeedleByte) < 0) return false;
  return InvokeMenuCommand(*contextMenu.Get(), owner, CommandIdOf(command));
}
