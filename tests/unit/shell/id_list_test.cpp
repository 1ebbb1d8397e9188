#include "shell/id_list.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

// The C heap, with a record of what is still out, so that a leak or a double free shows.
class TCountingAllocator final : public TIdListAllocator {
public:
  ~TCountingAllocator() { EXPECT_TRUE(Live.empty()) << Live.size() << " lists were not freed"; }
  void* Allocate(std::size_t bytes) noexcept override {
    if (Refuse) return nullptr;
    // Garbage in the block, so that a list relying on unfilled bytes shows.
    auto* block = static_cast<TIdByte*>(std::malloc(bytes == 0 ? 1 : bytes));
    for (std::size_t i = 0; i < bytes; ++i) block[i] = 0xCD;
    Live.insert(block);
    return block;
  }
  void Free(void* block) noexcept override {
    EXPECT_EQ(Live.erase(block), 1u) << "freed a block that is not out";
    std::free(block);
  }
  std::set<void*> Live;
  bool Refuse = false;
};

using TBytes = std::vector<TIdByte>;

// An item of `size` bytes (count included) whose payload bytes are `fill`.
TBytes Item(std::size_t size, TIdByte fill) {
  TBytes item(size, fill);
  item[0] = static_cast<TIdByte>(size & 0xFF);
  item[1] = static_cast<TIdByte>(size >> 8);
  return item;
}

TBytes List(std::initializer_list<TBytes> items) {
  TBytes list;
  for (const TBytes& item : items) list.insert(list.end(), item.begin(), item.end());
  list.push_back(0);
  list.push_back(0);
  return list;
}

TBytes Contents(const TIdList& list) {
  return TBytes(list.Get(), list.Get() + IdListSize(list.Get()));
}

class IdList : public ::testing::Test {
protected:
  TCountingAllocator allocator;
  const TBytes none = List({});
  const TBytes one = List({Item(5, 0xA1)});
  const TBytes three = List({Item(4, 0xB1), Item(3, 0xB2), Item(6, 0xB3)});
};

TEST_F(IdList, CountAndSizeWalkTheByteCounts) {
  EXPECT_EQ(IdListCount(nullptr), 0u);
  EXPECT_EQ(IdListSize(nullptr), 0u);
  EXPECT_EQ(IdListCount(none.data()), 0u);
  EXPECT_EQ(IdListSize(none.data()), 2u);
  EXPECT_EQ(IdListCount(one.data()), 1u);
  EXPECT_EQ(IdListSize(one.data()), 7u);
  EXPECT_EQ(IdListCount(three.data()), 3u);
  EXPECT_EQ(IdListSize(three.data()), 15u);
  // A long item: the count's high byte matters.
  const TBytes wide = List({Item(300, 0x11), Item(2, 0)});
  EXPECT_EQ(IdListCount(wide.data()), 2u);
  EXPECT_EQ(IdListSize(wide.data()), 304u);
}

TEST_F(IdList, StepsFromItemToItem) {
  EXPECT_EQ(IdListNext(three.data()), three.data() + 4);
  EXPECT_EQ(IdListNext(three.data() + 4), three.data() + 7);
  EXPECT_EQ(IdListNext(three.data() + 7), nullptr);
  EXPECT_EQ(IdListNext(none.data()), nullptr);

  EXPECT_EQ(IdListNextItem(three.data()), three.data() + 4);
  EXPECT_EQ(IdListCount(IdListNextItem(three.data())), 2u);
  EXPECT_EQ(IdListNextItem(one.data()), nullptr);
  EXPECT_EQ(IdListNextItem(none.data()), nullptr);
  EXPECT_EQ(IdListNextItem(nullptr), nullptr);
}

TEST_F(IdList, DamagedCountsEndTheListInsteadOfRunningOn) {
  // A count of 1 cannot cover itself: the walk stops there and never reads beyond.
  TBytes damaged = List({Item(4, 0xB1)});
  damaged[4] = 1;
  EXPECT_EQ(IdListCount(damaged.data()), 1u);
  EXPECT_EQ(IdListSize(damaged.data()), 6u);
  EXPECT_EQ(IdListNextItem(damaged.data()), nullptr);
  const TIdList last = IdListLastCopy(allocator, damaged.data());
  EXPECT_EQ(Contents(last), List({Item(4, 0xB1)}));
  const TIdList joined = IdListConcat(allocator, damaged.data(), damaged.data());
  EXPECT_EQ(Contents(joined), List({Item(4, 0xB1), Item(4, 0xB1)}));

  const TBytes bad{1, 0};
  EXPECT_EQ(IdListCount(bad.data()), 0u);
  EXPECT_EQ(IdListSize(bad.data()), 2u);
}

TEST_F(IdList, AllocationIsZeroFilledOrEmpty) {
  const TIdList block = IdListAlloc(allocator, 9);
  ASSERT_TRUE(block);
  EXPECT_EQ(TBytes(block.Get(), block.Get() + 9), TBytes(9, 0));
  allocator.Refuse = true;
  EXPECT_FALSE(IdListAlloc(allocator, 9));
  EXPECT_FALSE(IdListCopyFirst(allocator, three.data()));
  EXPECT_FALSE(IdListLastCopy(allocator, three.data()));
  EXPECT_FALSE(IdListConcat(allocator, one.data(), three.data()));
}

TEST_F(IdList, FirstAndLastCopiesHoldOneItem) {
  const TIdList first = IdListCopyFirst(allocator, three.data());
  EXPECT_EQ(Contents(first), List({Item(4, 0xB1)}));
  const TIdList last = IdListLastCopy(allocator, three.data());
  EXPECT_EQ(Contents(last), List({Item(6, 0xB3)}));
  const TIdList onlyFirst = IdListCopyFirst(allocator, one.data());
  const TIdList onlyLast = IdListLastCopy(allocator, one.data());
  EXPECT_EQ(Contents(onlyFirst), one);
  EXPECT_EQ(Contents(onlyLast), one);

  // An empty list has a first position (its end) but no last item.
  const TIdList emptyFirst = IdListCopyFirst(allocator, none.data());
  EXPECT_EQ(Contents(emptyFirst), none);
  EXPECT_FALSE(IdListLastCopy(allocator, none.data()));
  EXPECT_FALSE(IdListCopyFirst(allocator, nullptr));
  EXPECT_FALSE(IdListLastCopy(allocator, nullptr));
}

TEST_F(IdList, ConcatenationKeepsOneTerminator) {
  const TIdList joined = IdListConcat(allocator, one.data(), three.data());
  EXPECT_EQ(Contents(joined), List({Item(5, 0xA1), Item(4, 0xB1), Item(3, 0xB2), Item(6, 0xB3)}));
  const TIdList fromNull = IdListConcat(allocator, nullptr, one.data());
  EXPECT_EQ(Contents(fromNull), one);
  const TIdList withEmpty = IdListConcat(allocator, none.data(), none.data());
  EXPECT_EQ(Contents(withEmpty), none);
  const TIdList toNull = IdListConcat(allocator, three.data(), nullptr);
  EXPECT_EQ(Contents(toNull), three);
}

TEST_F(IdList, HolderFreesOnceWhateverPathItTakes) {
  TIdList a = IdListCopyFirst(allocator, one.data());
  TIdList b = std::move(a);
  EXPECT_FALSE(a);
  b = IdListCopyFirst(allocator, three.data());  // frees the first copy
  EXPECT_EQ(allocator.Live.size(), 1u);
  b.Reset();
  EXPECT_TRUE(allocator.Live.empty());
}

}  // namespace
