#pragma once
// Item identifier lists as the shell lays them out: items that each begin with a 16-bit
// little-endian byte count covering the item itself, ended by a zero count. Lists that the
// shell hands over are trusted only as far as their counts go: a count too small to cover
// itself ends the list, so a damaged list never makes a walk stall or run on.
#include <cstddef>
#include <cstdint>

using TIdByte = std::uint8_t;

// Where lists come from and go back to: the shell allocator in the program.
class TIdListAllocator {
public:
  virtual void* Allocate(std::size_t bytes) noexcept = 0;
  virtual void Free(void* block) noexcept = 0;

protected:
  ~TIdListAllocator() = default;
};

// One list, freed with the allocator it came from.
class TIdList {
public:
  TIdList() = default;
  TIdList(TIdListAllocator& allocator, TIdByte* bytes) noexcept : FAllocator(&allocator), FBytes(bytes) {}
  TIdList(TIdList&& other) noexcept;
  TIdList& operator=(TIdList&& other) noexcept;
  ~TIdList() { Reset(); }

  TIdByte* Get() const noexcept { return FBytes; }
  explicit operator bool() const noexcept { return FBytes != nullptr; }
  void Reset() noexcept;

private:
  TIdListAllocator* FAllocator = nullptr;
  TIdByte* FBytes = nullptr;
};

// The byte count of the item at `item`, or 0 when it ends the list.
std::size_t IdItemSize(const TIdByte* item);
// The item after `item`, or null when `item` is the last one or ends the list.
const TIdByte* IdListNext(const TIdByte* item);
// Items before the end; 0 for a null list.
std::size_t IdListCount(const TIdByte* list);
// Bytes of the list with its 2-byte terminator; 0 for a null list.
std::size_t IdListSize(const TIdByte* list);
// A zero-filled block, or an empty holder when the allocator has none.
TIdList IdListAlloc(TIdListAllocator& allocator, std::size_t bytes);
// The items of `first` (may be null) followed by those of `second` (null counts as empty).
TIdList IdListConcat(TIdListAllocator& allocator, const TIdByte* first, const TIdByte* second);
// A one-item list holding the first item (an empty list when there is none); empty holder for
// a null list.
TIdList IdListCopyFirst(TIdListAllocator& allocator, const TIdByte* list);
// The list after its first item, or null when it has fewer than two items.
const TIdByte* IdListNextItem(const TIdByte* list);
// A one-item list holding the last item; empty holder for a null list or one without items.
TIdList IdListLastCopy(TIdListAllocator& allocator, const TIdByte* list);
