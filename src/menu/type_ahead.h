#pragma once
// Finding a menu item by typing the start of its name, as the shell's list views do: the
// typed characters build a prefix that a pause of a second starts afresh, and the first item
// at or after the highlighted one whose name starts with it is highlighted, wrapping at the
// end. The same single character typed again moves on to the next item that starts with it.
// A first character that is an item's mnemonic chooses that item, as it always did.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TTypeAheadEntry {
  std::wstring_view Caption;  // with its "&" mnemonic marks
  bool Selectable;            // not a separator
};

enum class TTypeAheadAction { Ignore, Select, Execute };

struct TTypeAheadResult {
  TTypeAheadAction Action = TTypeAheadAction::Ignore;
  int Position = 0;  // among the entries
  friend bool operator==(const TTypeAheadResult&, const TTypeAheadResult&) = default;
};

class TTypeAhead {
public:
  // Milliseconds from any fixed moment.
  using TClock = std::function<std::uint64_t()>;
  // Whether two texts are the same to the user (letter case, kana type and width aside).
  using TSameText = std::function<bool(std::wstring_view, std::wstring_view)>;
  static constexpr std::uint64_t PauseMs = 1000;

  TTypeAhead(TClock clock, TSameText sameText);

  // `Key` was typed in the menu `Menu` (any value that tells menus apart) whose visible entries
  // are `Entries`, `Highlighted` being the one highlighted now.
  TTypeAheadResult Type(wchar_t Key, std::uintptr_t Menu, const std::vector<TTypeAheadEntry>& Entries,
                        std::optional<int> Highlighted);
  void Reset();
  const std::wstring& Prefix() const { return FPrefix; }

private:
  bool StartsWith(std::wstring_view caption, std::wstring_view prefix) const;

  TClock FClock;
  TSameText FSameText;
  std::wstring FPrefix;
  std::uintptr_t FMenu = 0;
  std::uint64_t FLastKey = 0;
};

// What an item's caption shows and typing finds: "&" marks dropped ("&&" shows one "&"), and a
// folder's name without the angle brackets it is shown in.
std::wstring TypeAheadText(std::wstring_view caption);
