#include "shell/id_list.h"

#include <cstring>
#include <utility>

namespace {

constexpr std::size_t CountBytes = 2;  // the size field, and the terminator

// The first item of `list`, or null when it has none.
const TIdByte* FirstItem(const TIdByte* list) { return IdItemSize(list) > 0 ? list : nullptr; }

// Copies the items of `list` to `out`; returns the byte after them.
TIdByte* CopyItems(const TIdByte* list, TIdByte* out) {
  for (const TIdByte* item = FirstItem(list); item; item = IdListNext(item)) {
    const std::size_t size = IdItemSize(item);
    std::memcpy(out, item, size);
    out += size;
  }
  return out;
}

// A list of the one item at `item`.
TIdList OneItemList(TIdListAllocator& allocator, const TIdByte* item) {
  const std::size_t size = IdItemSize(item);
  TIdList copy = IdListAlloc(allocator, size + CountBytes);
  if (copy && size > 0) std::memcpy(copy.Get(), item, size);
  return copy;
}

}  // namespace

TIdList::TIdList(TIdList&& other) noexcept
    : FAllocator(other.FAllocator), FBytes(std::exchange(other.FBytes, nullptr)) {}

TIdList& TIdList::operator=(TIdList&& other) noexcept {
  if (this != &other) {
    Reset();
    FAllocator = other.FAllocator;
    FBytes = std::exchange(other.FBytes, nullptr);
  }
  return *this;
}

void TIdList::Reset() noexcept {
  if (FBytes) FAllocator->Free(std::exchange(FBytes, nullptr));
}

std::size_t IdItemSize(const TIdByte* item) {
  if (!item) return 0;
  const std::size_t size = item[0] | static_cast<std::size_t>(item[1]) << 8;
  return size < CountBytes ? 0 : size;
}

const TIdByte* IdListNext(const TIdByte* item) {
  const std::size_t size = IdItemSize(item);
  if (size == 0) return nullptr;
  const TIdByte* next = item + size;
  return IdItemSize(next) == 0 ? nullptr : next;
}

std::size_t IdListCount(const TIdByte* list) {
  std::size_t count = 0;
  for (const TIdByte* item = FirstItem(list); item; item = IdListNext(item)) ++count;
  return count;
}

std::size_t IdListSize(const TIdByte* list) {
  if (!list) return 0;
  std::size_t size = CountBytes;
  for (const TIdByte* item = FirstItem(list); item; item = IdListNext(item)) size += IdItemSize(item);
  return size;
}

TIdList IdListAlloc(TIdListAllocator& allocator, std::size_t bytes) {
  auto* block = static_cast<TIdByte*>(allocator.Allocate(bytes));
  if (!block) return {};
  std::memset(block, 0, bytes);
  return TIdList(allocator, block);
}

TIdList IdListConcat(TIdListAllocator& allocator, const TIdByte* first, const TIdByte* second) {
  const std::size_t firstItems = first ? IdListSize(first) - CountBytes : 0;
  const std::size_t secondItems = second ? IdListSize(second) - CountBytes : 0;
  TIdList joined = IdListAlloc(allocator, firstItems + secondItems + CountBytes);
  if (!joined) return {};
  CopyItems(second, CopyItems(first, joined.Get()));
  return joined;
}

TIdList IdListCopyFirst(TIdListAllocator& allocator, const TIdByte* list) {
  if (!list) return {};
  return OneItemList(allocator, list);
}

const TIdByte* IdListNextItem(const TIdByte* list) { return IdListNext(list); }

TIdList IdListLastCopy(TIdListAllocator& allocator, const TIdByte* list) {
  const TIdByte* last = FirstItem(list);
  if (!last) return {};
  while (const TIdByte* next = IdListNext(last)) last = next;
  return OneItemList(allocator, last);
}
