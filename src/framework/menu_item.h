#pragma once
// Menu items: a tree of captions, states and click callbacks, mirrored into the platform's
// menus. Items are owned by their component owner (a form), not by the item they sit in;
// freeing an item frees the items below it.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/form.h"
#include "framework/shortcut.h"
#include "framework/win_handle.h"

enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  void Destroying() override;

  const std::wstring& Caption() const { return FCaption; }
  void SetCaption(const std::wstring& caption);
  bool IsLine() const { return FCaption == L"-"; }
  const std::wstring& Hint() const { return FHint; }
  void SetHint(const std::wstring& hint) { FHint = hint; }
  std::int32_t Tag() const { return FTag; }
  void SetTag(std::int32_t tag) { FTag = tag; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  TMenuBreak Break() const { return FBreak; }
  void SetBreak(TMenuBreak value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut value);
  std::wstring ShortCutText() const { return ShortCutToText(FShortCut); }

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return FParent; }
  int IndexOf(const TMenuItem& item) const;
  int MenuIndex() const { return FParent ? FParent->IndexOf(*this) : -1; }
  void Insert(int index, TMenuItem& item);
  void Add(TMenuItem& item) { Insert(Count(), item); }
  // Detaches `item` from this item; it stays alive with its owner.
  void Remove(TMenuItem& item);

  // Identifier of this item in WM_COMMAND, unique in the process.
  UINT Command() const { return FCommand; }
  static TMenuItem* FindByCommand(UINT command);
  // The platform menu of this item's sub-items, made on first use and kept current.
  HMENU Handle();
  bool HandleAllocated() const { return FHandle.Valid(); }
  // The platform position of a visible sub-item in Handle(): hidden siblings take none.
  // Kept from one call to the next, so that a large menu's items are not counted each time.
  int PlatformPosition(const TMenuItem& item) const;

  virtual void Click();
  TNotifyEvent OnClick;

private:
  void Changed();
  void ForgetPositions() { FPositionsKnown = false; }
  void UpdateEntry(TMenuItem& child);
  void InsertEntry(TMenuItem& child);
  void RemoveEntry(int position);
  MENUITEMINFOW EntryInfo(TMenuItem& child, std::wstring& text);

  std::wstring FCaption;
  std::wstring FHint;
  std::int32_t FTag = 0;
  bool FVisible = true;
  bool FDefault = false;
  TMenuBreak FBreak = TMenuBreak::mbNone;
  bool FChecked = false;
  bool FEnabled = true;
  bool FRadioItem = false;
  TShortCut FShortCut = 0;
  std::vector<TMenuItem*> FItems;  // not owning
  TMenuItem* FParent = nullptr;
  // Each sub-item's platform position, while FPositionsKnown.
  mutable bool FPositionsKnown = false;
  mutable int FPosition = 0;
  UINT FCommand;
  TMenuHandle FHandle;
};
