#pragma once
// The shell's task allocator, from which every item identifier list of the shell comes and to
// which it goes back.
#include <objidl.h>
#include <shtypes.h>

#include "framework/com_ptr.h"
#include "shell/id_list.h"

class TShellAllocator final : public TIdListAllocator {
public:
  TShellAllocator();
  TShellAllocator(const TShellAllocator&) = delete;
  TShellAllocator& operator=(const TShellAllocator&) = delete;

  // False when the shell gave no allocator; nothing can be allocated then.
  explicit operator bool() const { return static_cast<bool>(FMalloc); }

  void* Allocate(std::size_t bytes) noexcept override;
  void Free(void* block) noexcept override;

  // Takes over a list the shell handed out (null gives an empty holder).
  TIdList Adopt(ITEMIDLIST* list) { return TIdList(*this, reinterpret_cast<TIdByte*>(list)); }

private:
  TComPtr<IMalloc> FMalloc;
};

inline ITEMIDLIST* AsItemIdList(const TIdByte* list) {
  return reinterpret_cast<ITEMIDLIST*>(const_cast<TIdByte*>(list));
}
