#include "framework/menu_item.h"

#include <algorithm>

#include "framework/exception.h"
#include "framework/menu_command_pool.h"
#include "texts/texts.h"

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(menu_commands::Allocate(*this)) {}

TMenuItem::~TMenuItem() { Destroying(); }

void TMenuItem::Destroying() {
  if (FParent) FParent->Remove(*this);
  // Sub-items go with the item; each one leaves this item as it goes.
  while (!FItems.empty()) TComponentDeleter{}(FItems.back());
  if (FCommand) {
    menu_commands::Release(static_cast<std::uint16_t>(FCommand));
    FCommand = 0;
  }
  FHandle.Reset();
  TComponent::Destroying();
}

TMenuItem* TMenuItem::FindByCommand(UINT command) { return menu_commands::Find(command); }

void TMenuItem::SetCaption(const std::wstring& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == FVisible) return;
  if (FParent && FParent->HandleAllocated() && FVisible) FParent->RemoveEntry(FParent->PlatformPosition(*this));
  FVisible = visible;
  if (FParent) FParent->ForgetPositions();
  if (FParent && FParent->HandleAllocated() && FVisible) FParent->InsertEntry(*this);
}

void TMenuItem::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  Changed();
}

void TMenuItem::SetBreak(TMenuBreak value) {
  if (value == FBreak) return;
  FBreak = value;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Changed();
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == FRadioItem) return;
  FRadioItem = value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (value == FShortCut) return;
  FShortCut = value;
  Changed();
}

int TMenuItem::IndexOf(const TMenuItem& item) const {
  const auto it = std::find(FItems.begin(), FItems.end(), &item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

int TMenuItem::PlatformPosition(const TMenuItem& item) const {
  if (item.FParent != this) return static_cast<int>(std::ranges::count_if(FItems, [](const TMenuItem* i) { return i->FVisible; }));
  if (!FPositionsKnown) {
    int position = 0;
    for (TMenuItem* sibling : FItems) {
      sibling->FPosition = position;
      if (sibling->FVisible) ++position;
    }
    FPositionsKnown = true;
  }
  return item.FPosition;
}

void TMenuItem::Insert(int index, TMenuItem& item) {
  if (item.FParent) throw Exception(Text(TText::MenuItemElsewhere, {item.Caption()}));
  if (&item == this) throw Exception(Text(TText::MenuItemInItself));
  index = std::clamp(index, 0, Count());
  if (index == Count() && FPositionsKnown) {
    // Appended: the others keep their places, and this one comes after the last.
    const TMenuItem* last = FItems.empty() ? nullptr : FItems.back();
    item.FPosition = last ? last->FPosition + (last->FVisible ? 1 : 0) : 0;
  } else {
    FPositionsKnown = false;
  }
  FItems.insert(FItems.begin() + index, &item);
  item.FParent = this;
  if (HandleAllocated() && item.FVisible) InsertEntry(item);
  if (Count() == 1) Changed();  // now opens a submenu
}

void TMenuItem::Remove(TMenuItem& item) {
  // From the end: a menu is emptied last item first.
  const auto found = std::find(FItems.rbegin(), FItems.rend(), &item);
  if (found == FItems.rend()) return;
  const int index = static_cast<int>(FItems.rend() - found) - 1;
  if (HandleAllocated() && item.FVisible) RemoveEntry(PlatformPosition(item));
  FItems.erase(FItems.begin() + index);
  item.FParent = nullptr;
  if (index != Count()) FPositionsKnown = false;  // the last leaves the others where they are
  if (FItems.empty()) Changed();  // no longer opens a submenu
}

HMENU TMenuItem::Handle() {
  if (!FHandle) {
    FHandle.Reset(::CreatePopupMenu());
    if (!FHandle) throw Exception(Text(TText::NoMenu));
    for (TMenuItem* child : FItems) {
      if (child->FVisible) InsertEntry(*child);
    }
  }
  return FHandle.Get();
}

void TMenuItem::Click() {
  if (FEnabled && OnClick) OnClick(this);
}

void TMenuItem::Changed() {
  if (FParent && FParent->HandleAllocated() && FVisible) FParent->UpdateEntry(*this);
}

MENUITEMINFOW TMenuItem::EntryInfo(TMenuItem& child, std::wstring& text) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  info.fType = child.IsLine() ? MFT_SEPARATOR : MFT_STRING;
  if (child.FBreak == TMenuBreak::mbBreak) info.fType |= MFT_MENUBREAK;
  if (child.FBreak == TMenuBreak::mbBarBreak) info.fType |= MFT_MENUBARBREAK;
  if (child.FRadioItem) info.fType |= MFT_RADIOCHECK;
  info.fState = (child.FChecked ? MFS_CHECKED : 0u) | (child.FEnabled ? 0u : MFS_GRAYED) |
                (child.FDefault ? MFS_DEFAULT : 0u);
  info.wID = child.FCommand;
  info.hSubMenu = child.FItems.empty() ? nullptr : child.Handle();
  if (!child.IsLine()) {
    text = child.FCaption;
    const std::wstring shortCut = child.ShortCutText();
    if (!shortCut.empty()) text += L"\t" + shortCut;
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  return info;
}

void TMenuItem::InsertEntry(TMenuItem& child) {
  std::wstring text;
  const MENUITEMINFOW info = EntryInfo(child, text);
  ::InsertMenuItemW(FHandle.Get(), static_cast<UINT>(PlatformPosition(child)), TRUE, &info);
}

void TMenuItem::UpdateEntry(TMenuItem& child) {
  const UINT position = static_cast<UINT>(PlatformPosition(child));
  std::wstring text;
  MENUITEMINFOW info = EntryInfo(child, text);
  // A styler may have made the entry owner-drawn; a caption or state change keeps that.
  MENUITEMINFOW current{};
  current.cbSize = sizeof(current);
  current.fMask = MIIM_FTYPE;
  if (::GetMenuItemInfoW(FHandle.Get(), position, TRUE, &current)) info.fType |= current.fType & MFT_OWNERDRAW;
  ::SetMenuItemInfoW(FHandle.Get(), position, TRUE, &info);
}

void TMenuItem::RemoveEntry(int position) {
  // RemoveMenu, not DeleteMenu: a submenu handle stays with the item that owns it.
  ::RemoveMenu(FHandle.Get(), static_cast<UINT>(position), MF_BYPOSITION);
}
