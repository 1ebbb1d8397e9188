#include "shell/shell_allocator.h"

#include <shlobj.h>

TShellAllocator::TShellAllocator() {
  if (FAILED(::SHGetMalloc(FMalloc.Put()))) FMalloc.Reset();
}

void* TShellAllocator::Allocate(std::size_t bytes) noexcept {
  return FMalloc ? FMalloc->Alloc(static_cast<SIZE_T>(bytes)) : nullptr;
}

void TShellAllocator::Free(void* block) noexcept {
  if (FMalloc) FMalloc->Free(block);
}
