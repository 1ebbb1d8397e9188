#include "menu/item_records.h"

#include <unordered_set>

namespace {

std::unordered_set<ULONG_PTR>& LiveRecords() {
  static std::unordered_set<ULONG_PTR> records;
  return records;
}

}  // namespace

ULONG_PTR TItemRecords::ItemData(std::uintptr_t key, std::wstring_view text) {
  std::unique_ptr<TRecord>& record = FRecords[key];
  if (!record) {
    record = std::make_unique<TRecord>();
    record->Data = {{MSAA_MENU_SIG, 0, nullptr}, &FStyler};
    LiveRecords().insert(reinterpret_cast<ULONG_PTR>(&record->Data));
  }
  if (!record->Data.Accessible.pszWText || record->Text != text) {
    record->Text.assign(text);  // into the record's own buffer: a rebuild allocates nothing here
    record->Data.Accessible.cchWText = static_cast<DWORD>(record->Text.size());
    record->Data.Accessible.pszWText = record->Text.data();
  }
  record->Sweep = FSweep;
  return reinterpret_cast<ULONG_PTR>(&record->Data);
}

void TItemRecords::EndSweep() {
  std::erase_if(FRecords, [this](const auto& entry) {
    const TRecord& record = *entry.second;
    if (record.Sweep == FSweep) return false;
    LiveRecords().erase(reinterpret_cast<ULONG_PTR>(&record.Data));
    return true;
  });
}

void TItemRecords::Clear() {
  for (const auto& [key, record] : FRecords) LiveRecords().erase(reinterpret_cast<ULONG_PTR>(&record->Data));
  FRecords.clear();
}

TCoolMenu* TItemRecords::StylerOf(ULONG_PTR itemData) {
  if (!LiveRecords().contains(itemData)) return nullptr;
  const auto& data = *reinterpret_cast<const TStyledItemData*>(itemData);
  return data.Accessible.dwMSAASignature == MSAA_MENU_SIG ? data.Styler : nullptr;
}

int TItemRecords::LiveCount() { return static_cast<int>(LiveRecords().size()); }
