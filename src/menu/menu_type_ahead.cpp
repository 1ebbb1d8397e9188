#include "menu/menu_type_ahead.h"

#include <vector>

#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/text_folding.h"

namespace {

void HighlightByHand(HWND owner, HMENU menu, int position) {
  // In a loop that ignores MNC_SELECT (Wine's) this moves the loop's own highlight, with the
  // select notification and the scrolling a highlight brings.
  ::HiliteMenuItem(owner, menu, static_cast<UINT>(position), MF_BYPOSITION | MF_HILITE);
}

bool IsOpen(HMENU menu) {
  bool open = false;
  ForOpenMenus([&](HWND, HMENU shown) {
    open = shown == menu;
    return open;
  });
  return open;
}

}  // namespace

bool SameTextToUser(std::wstring_view a, std::wstring_view b) { return FoldForMatching(a) == FoldForMatching(b); }

TMenuTypeAhead::TMenuTypeAhead(TSelectAnswer& Known)
    : FTypeAhead([] { return ::GetTickCount64(); }, SameTextToUser), FKnown(Known) {}

TSelectAnswer& TMenuTypeAhead::ProcessSelectAnswer() {
  static TSelectAnswer known = TSelectAnswer::Unproven;
  return known;
}

UINT TMenuTypeAhead::SelectCheckMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"Tamarind.MenuSelectCheck");
  return message;
}

LRESULT TMenuTypeAhead::MenuChar(TMenuItem& Parent, HMENU Menu, wchar_t Key, HWND Owner) {
  // Platform positions: hidden items take none.
  std::vector<TTypeAheadEntry> entries;
  for (int i = 0; i < Parent.Count(); ++i) {
    const TMenuItem& child = *Parent.Items(i);
    if (child.Visible()) entries.push_back({child.Caption(), !child.IsLine() && (!Findable || Findable(child))});
  }
  const std::optional<int> highlighted = HighlightedPosition(Menu);
  const TTypeAheadResult found = FTypeAhead.Type(Key, reinterpret_cast<std::uintptr_t>(Menu), entries, highlighted);
  switch (found.Action) {
    case TTypeAheadAction::Execute: return MAKELRESULT(found.Position, MNC_EXECUTE);
    case TTypeAheadAction::Select:
      if (FKnown == TSelectAnswer::Ignored) {
        HighlightByHand(Owner, Menu, found.Position);
      } else if (FKnown == TSelectAnswer::Unproven && highlighted != found.Position) {
        // Only a highlight that moves shows what the loop did with the answer.
        ::PostMessageW(Owner, SelectCheckMessage(), static_cast<WPARAM>(found.Position),
                       reinterpret_cast<LPARAM>(Menu));
      }
      return MAKELRESULT(found.Position, MNC_SELECT);
    case TTypeAheadAction::Ignore: break;
  }
  return MAKELRESULT(0, MNC_IGNORE);
}

void TMenuTypeAhead::CheckSelectAnswer(WPARAM wParam, LPARAM lParam, HWND Owner) {
  const auto menu = reinterpret_cast<HMENU>(lParam);
  const auto position = static_cast<int>(wParam);
  // A menu closed meanwhile shows nothing about the answer.
  if (FKnown != TSelectAnswer::Unproven || !IsOpen(menu)) return;
  const UINT state = ::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
  if (state == static_cast<UINT>(-1)) return;
  if (state & MF_HILITE) {
    FKnown = TSelectAnswer::Honoured;
    return;
  }
  // The loop ignored MNC_SELECT, as Wine's does.
  FKnown = TSelectAnswer::Ignored;
  HighlightByHand(Owner, menu, position);
}
