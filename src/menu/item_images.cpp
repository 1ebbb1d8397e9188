#include "menu/item_images.h"

#include <algorithm>

TItemImage& TItemImages::Add() { return *FItems.emplace_back(std::make_unique<TItemImage>()); }

void TItemImages::Delete(int index) { FItems.erase(FItems.begin() + index); }

void TItemImages::Clear() {
  while (!FItems.empty()) FItems.pop_back();  // last to first
}

TItemImage* TItemImages::Find(const TMenuItem* item) const {
  if (!item) return nullptr;
  for (const auto& entry : FItems) {
    if (entry->MenuItem == item) return entry.get();
  }
  return nullptr;
}

void TItemImages::RemoveItem(const TMenuItem* item) {
  std::erase_if(FItems, [&](const auto& entry) { return entry->MenuItem == item; });
}

void TItemImages::ForgetImagesFrom(int count) {
  for (const auto& entry : FItems) {
    if (entry->ImageIndex() > count - 1) entry->SetImageIndex(-1);
  }
}
