#include "menu/menu_type_ahead.h"

#include <optional>
#include <vector>

#include "framework/menu_item.h"

namespace {

// Wine's menu loop takes MNC_SELECT for "no item" and only beeps; its HiliteMenuItem moves the
// loop's own highlight, with the select notification and the scrolling a highlight brings.
bool MenuLoopIgnoresSelect() {
  static const bool ignores =
      ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return ignores;
}

std::optional<int> HighlightedPosition(HMENU menu) {
  const int count = ::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    if (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) return position;
  }
  return std::nullopt;
}

}  // namespace

bool SameTextToUser(std::wstring_view a, std::wstring_view b) {
  return ::CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE | NORM_IGNOREKANATYPE | NORM_IGNOREWIDTH,
                           a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), nullptr,
                           nullptr, 0) == CSTR_EQUAL;
}

TMenuTypeAhead::TMenuTypeAhead() : FTypeAhead([] { return ::GetTickCount64(); }, SameTextToUser) {}

LRESULT TMenuTypeAhead::MenuChar(TMenuItem& Parent, HMENU Menu, wchar_t Key, HWND Owner) {
  // Platform positions: hidden items take none.
  std::vector<TTypeAheadEntry> entries;
  for (int i = 0; i < Parent.Count(); ++i) {
    const TMenuItem& child = *Parent.Items(i);
    if (child.Visible()) entries.push_back({child.Caption(), !child.IsLine()});
  }
  const TTypeAheadResult found =
      FTypeAhead.Type(Key, reinterpret_cast<std::uintptr_t>(Menu), entries, HighlightedPosition(Menu));
  switch (found.Action) {
    case TTypeAheadAction::Execute: return MAKELRESULT(found.Position, MNC_EXECUTE);
    case TTypeAheadAction::Select:
      if (!MenuLoopIgnoresSelect()) return MAKELRESULT(found.Position, MNC_SELECT);
      ::HiliteMenuItem(Owner, Menu, static_cast<UINT>(found.Position), MF_BYPOSITION | MF_HILITE);
      return MAKELRESULT(0, MNC_IGNORE);
    case TTypeAheadAction::Ignore: break;
  }
  return MAKELRESULT(0, MNC_IGNORE);
}
