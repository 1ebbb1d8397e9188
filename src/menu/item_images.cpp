#include "menu/item_images.h"

#include <algorithm>

TItemImage& TItemImages::Add() { return *FItems.emplace_back(std::make_unique<TItemImage>()); }

void TItemImages::Delete(int index) {
  FItems.erase(FItems.begin() + index);
  FFirst.clear();
  FIndexed = 0;
}

void TItemImages::Clear() {
  while (!FItems.empty()) FItems.pop_back();  // last to first
  FFirst.clear();
  FIndexed = 0;
}

TItemImage* TItemImages::Find(const TMenuItem* item) const {
  if (!item) return nullptr;
  for (; FIndexed < FItems.size(); ++FIndexed) {
    TItemImage& entry = *FItems[FIndexed];
    if (entry.MenuItem) FFirst.try_emplace(entry.MenuItem, &entry);
  }
  const auto found = FFirst.find(item);
  return found == FFirst.end() ? nullptr : found->second;
}

void TItemImages::RemoveItem(const TMenuItem* item) {
  size_t position = 0, removedIndexed = 0;
  std::erase_if(FItems, [&](const auto& entry) {
    const bool remove = entry->MenuItem == item;
    if (remove && position < FIndexed) ++removedIndexed;
    ++position;
    return remove;
  });
  FIndexed -= removedIndexed;
  FFirst.erase(item);
}

void TItemImages::ForgetImagesFrom(int count) {
  for (const auto& entry : FItems) {
    if (entry->ImageIndex() > count - 1) entry->SetImageIndex(-1);
  }
}
