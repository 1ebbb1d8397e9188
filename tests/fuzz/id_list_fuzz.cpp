// The identifier-list helpers on lists as damaged as the shell might hand over: items of any
// size that fits the block, and byte counts of 0 or 1 anywhere. No walk reads past the block
// or stalls, and the copies hold what the originals hold.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz_support.h"
#include "shell/id_list.h"

namespace {

class TMallocAllocator final : public TIdListAllocator {
public:
  void* Allocate(std::size_t bytes) noexcept override { return std::malloc(bytes); }
  void Free(void* block) noexcept override { std::free(block); }
};

// A block of items made from the fuzzer's bytes, ended by a zero count.
std::vector<TIdByte> ListFrom(FuzzedDataProvider& data) {
  std::vector<TIdByte> list;
  const std::size_t items = data.ConsumeIntegralInRange<std::size_t>(0, 8);
  for (std::size_t i = 0; i < items; ++i) {
    const bool damaged = data.ConsumeIntegralInRange<int>(0, 7) == 0;
    const std::size_t size = damaged ? data.ConsumeIntegralInRange<std::size_t>(0, 1)
                                     : data.ConsumeIntegralInRange<std::size_t>(2, 40);
    list.push_back(static_cast<TIdByte>(size & 0xFF));
    list.push_back(static_cast<TIdByte>(size >> 8));
    for (std::size_t b = 2; b < size; ++b) list.push_back(data.ConsumeIntegral<TIdByte>());
  }
  list.push_back(0);
  list.push_back(0);
  return list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  TMallocAllocator allocator;
  std::vector<TIdByte> first = ListFrom(data);
  std::vector<TIdByte> second = ListFrom(data);
  // Exact-size heap copies, so AddressSanitizer sees any read past a block.
  std::vector<TIdByte>* sources[] = {&first, &second};
  TIdByte* blocks[2];
  for (int i = 0; i < 2; ++i) {
    blocks[i] = static_cast<TIdByte*>(std::malloc(sources[i]->size()));
    std::memcpy(blocks[i], sources[i]->data(), sources[i]->size());
  }
  const TIdByte* a = blocks[0];
  const TIdByte* b = blocks[1];

  const std::size_t countA = IdListCount(a);
  const std::size_t countB = IdListCount(b);
  FUZZ_CHECK(IdListSize(a) <= first.size() && IdListSize(b) <= second.size());

  const TIdList joined = IdListConcat(allocator, a, b);
  FUZZ_CHECK(joined && IdListCount(joined.Get()) == countA + countB);
  FUZZ_CHECK(IdListSize(joined.Get()) == IdListSize(a) + IdListSize(b) - 2);

  const TIdList head = IdListCopyFirst(allocator, a);
  FUZZ_CHECK(head && IdListCount(head.Get()) == (countA > 0 ? 1u : 0u));
  const TIdList last = IdListLastCopy(allocator, a);
  FUZZ_CHECK(static_cast<bool>(last) == (countA > 0));
  if (last) FUZZ_CHECK(IdListCount(last.Get()) == 1);
  const TIdByte* rest = IdListNextItem(a);
  FUZZ_CHECK(rest ? IdListCount(rest) == countA - 1 : countA < 2);

  std::free(blocks[0]);
  std::free(blocks[1]);
  return 0;
}
