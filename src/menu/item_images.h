#pragma once
// Per-item image and hint assignments of a menu styler, keyed by item identity. Entries are
// added at the end; lookups take the first entry for an item. An entry's item is set right
// after it is added and not changed afterwards: lookups go through an index, since every
// item of a large menu is looked up each time it is drawn.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class TMenuItem;

class TItemImage {
public:
  std::wstring Hint;
  TMenuItem* MenuItem = nullptr;  // not owned

  int ImageIndex() const { return FImageIndex; }
  // -1 means no image; anything below is refused.
  void SetImageIndex(int index) {
    if (index >= -1) FImageIndex = index;
  }

private:
  int FImageIndex = -1;
};

class TItemImages {
public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TItemImage& Items(int index) { return *FItems.at(static_cast<size_t>(index)); }
  const TItemImage& Items(int index) const { return *FItems.at(static_cast<size_t>(index)); }

  TItemImage& Add();
  void Delete(int index);
  void Clear();

  // The first entry for `item`, or null; entries without an item never match.
  TItemImage* Find(const TMenuItem* item) const;
  // Removes every entry for `item`.
  void RemoveItem(const TMenuItem* item);

  // Image indexes beyond the last image of a list of `count` images become -1.
  void ForgetImagesFrom(int count);

private:
  std::vector<std::unique_ptr<TItemImage>> FItems;  // entries stay put while others come and go
  // The first entry of each item among the first FIndexed entries; later ones are indexed on
  // the next lookup, once their item has been set.
  mutable std::unordered_map<const TMenuItem*, TItemImage*> FFirst;
  mutable size_t FIndexed = 0;
};
