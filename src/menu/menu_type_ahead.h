#pragma once
// Type-to-find in the styled menus, on the platform's WM_MENUCHAR: the item found is
// highlighted (a folder item then fills as on a mouse highlight, since the highlight raises
// the usual select notification), and Enter opens it.
#include <windows.h>

#include "menu/type_ahead.h"

class TMenuItem;

class TMenuTypeAhead {
public:
  TMenuTypeAhead();

  // The answer to WM_MENUCHAR for `Key` typed in `Menu`, the platform menu of `Parent`'s
  // sub-items, shown on behalf of `Owner`.
  LRESULT MenuChar(TMenuItem& Parent, HMENU Menu, wchar_t Key, HWND Owner);
  // The menu loop ended: the next one starts with no prefix.
  void Reset() { FTypeAhead.Reset(); }

private:
  TTypeAhead FTypeAhead;
};

// Whether two texts are the same to the user: letter case, kana type and width aside.
bool SameTextToUser(std::wstring_view a, std::wstring_view b);
