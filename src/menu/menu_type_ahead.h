#pragma once
// Type-to-find in the styled menus, on the platform's WM_MENUCHAR: the item found is
// highlighted (a folder item then fills as on a mouse highlight, since the highlight raises
// the usual select notification), and Enter opens it.
//
// The item found is named to the menu loop with MNC_SELECT. Wine's loop ignores that answer (it
// only beeps), so the first answer that should move the highlight is followed by a look at the
// menu: when the item is not highlighted then, it is highlighted by hand, and so after every
// answer from then on.
#include <windows.h>

#include <functional>
#include <string>

#include "menu/type_ahead.h"

class TMenuItem;

// What the menu loop is known to do with an answer that selects an item.
enum class TSelectAnswer { Unproven, Honoured, Ignored };

class TMenuTypeAhead {
public:
  // `Known` is shared by all menus that run in the same loop; by default the process's.
  explicit TMenuTypeAhead(TSelectAnswer& Known = ProcessSelectAnswer());

  // The answer to WM_MENUCHAR for `Key` typed in `Menu`, the platform menu of `Parent`'s
  // sub-items, shown on behalf of `Owner`. Typing lands only on items `Findable` accepts (by
  // default all); MNC_IGNORE says that none starts with the text typed.
  LRESULT MenuChar(TMenuItem& Parent, HMENU Menu, wchar_t Key, HWND Owner);
  std::function<bool(const TMenuItem&)> Findable;
  // The text typed so far in this menu loop.
  const std::wstring& Typed() const { return FTypeAhead.Prefix(); }
  // The menu loop ended: the next one starts with no prefix.
  void Reset() { FTypeAhead.Reset(); }

  // MenuChar posts this message to `Owner` while the answer's effect is unproven; `Owner`'s
  // window hands it to CheckSelectAnswer once the loop has acted on the answer.
  static UINT SelectCheckMessage();
  void CheckSelectAnswer(WPARAM wParam, LPARAM lParam, HWND Owner);

  static TSelectAnswer& ProcessSelectAnswer();

private:
  TTypeAhead FTypeAhead;
  TSelectAnswer& FKnown;
};

// Whether two texts are the same to the user: letter case, kana type and width aside.
bool SameTextToUser(std::wstring_view a, std::wstring_view b);
