#pragma once
// What a styled item's data points at. Owner-drawn items have no text of their own, so screen
// readers would call each one just "menu item"; the platform reads an item's name from an
// MSAAMENUINFO at the start of its item data. The styler that draws the item comes next.
#include <windows.h>
#include <oleacc.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>

class TCoolMenu;

struct TStyledItemData {
  MSAAMENUINFO Accessible;  // first: read at the item data's address
  TCoolMenu* Styler;
};
static_assert(std::is_standard_layout_v<TStyledItemData>, "the platform reads MSAAMENUINFO at offset 0");

// The item data of one styler's items, one record per item. Keys are the caller's: an item's
// command, or a position in a menu. A sweep keeps the records of the items given item data
// since it began and frees the rest, so a menu attached whole leaves no record behind for an
// item it no longer holds.
class TItemRecords {
public:
  explicit TItemRecords(TCoolMenu& styler) : FStyler(styler) {}
  ~TItemRecords() { Clear(); }
  TItemRecords(const TItemRecords&) = delete;
  TItemRecords& operator=(const TItemRecords&) = delete;

  // The item data for `key`, made or brought up to date with the spoken `text`.
  ULONG_PTR ItemData(std::uintptr_t key, std::wstring_view text);
  void BeginSweep() { ++FSweep; }
  void EndSweep();
  void Clear();
  int Count() const { return static_cast<int>(FRecords.size()); }

  // The styler of the live record `itemData` points at, or null. Item data that is not ours (the
  // shell's context menu, a record already freed) is only looked up, never read.
  static TCoolMenu* StylerOf(ULONG_PTR itemData);
  // Records alive in the process, of every styler.
  static int LiveCount();

private:
  struct TRecord {
    TStyledItemData Data;
    std::wstring Text;  // Data.Accessible points into it
    unsigned Sweep = 0;
  };

  TCoolMenu& FStyler;
  unsigned FSweep = 0;
  std::unordered_map<std::uintptr_t, std::unique_ptr<TRecord>> FRecords;
};
