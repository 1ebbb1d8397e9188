// Showing and dismissing the context menu again and again leaves nothing behind.
#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "framework/component.h"
#include "shell/context_menu_ex.h"
#include "shell/menu_driver.h"
#include "shell/shell_test_support.h"

namespace {

// Committed private memory of the process, summed over its address space (Wine reports no
// private bytes through the process counters).
std::size_t PrivateBytes() {
  std::size_t total = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (auto* address = static_cast<char*>(nullptr);
       ::VirtualQuery(address, &region, sizeof(region)) == sizeof(region);
       address = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
  }
  return total;
}

// Counts the blocks of the task allocator (the shell allocator) that are still out.
class TAllocationCounter final : public IMallocSpy {
public:
  TAllocationCounter() { FRegistered = SUCCEEDED(::CoRegisterMallocSpy(this)); }
  ~TAllocationCounter() {
    if (FRegistered) ::CoRevokeMallocSpy();
  }
  bool Registered() const { return FRegistered; }
  long Live() const { return FLive; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = iid == IID_IUnknown || iid == IID_IMallocSpy ? this : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  SIZE_T STDMETHODCALLTYPE PreAlloc(SIZE_T bytes) override { return bytes; }
  void* STDMETHODCALLTYPE PostAlloc(void* block) override {
    if (block) ++FLive;
    return block;
  }
  void* STDMETHODCALLTYPE PreFree(void* block, BOOL spied) override {
    if (block && spied) --FLive;
    return block;
  }
  void STDMETHODCALLTYPE PostFree(BOOL) override {}
  SIZE_T STDMETHODCALLTYPE PreRealloc(void* block, SIZE_T bytes, void** newBlock, BOOL) override {
    *newBlock = block;
    return bytes;
  }
  void* STDMETHODCALLTYPE PostRealloc(void* block, BOOL) override { return block; }
  void* STDMETHODCALLTYPE PreGetSize(void* block, BOOL) override { return block; }
  SIZE_T STDMETHODCALLTYPE PostGetSize(SIZE_T bytes, BOOL) override { return bytes; }
  void* STDMETHODCALLTYPE PreDidAlloc(void* block, BOOL) override { return block; }
  int STDMETHODCALLTYPE PostDidAlloc(void*, BOOL, int result) override { return result; }
  void STDMETHODCALLTYPE PreHeapMinimize() override {}
  void STDMETHODCALLTYPE PostHeapMinimize() override {}

private:
  bool FRegistered = false;
  long FLive = 0;
};

struct TUsage {
  DWORD Gdi;
  DWORD User;
  std::size_t Private;
};

TUsage Usage() {
  return {::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
          ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), PrivateBytes()};
}

class ContextMenuResources : public ShellTest {};

TEST_F(ContextMenuResources, TwoHundredDismissedMenusLeaveNothingBehind) {
  TComponentPtr<TContextMenuEx> CMEx = MakeComponent<TContextMenuEx>();
  const std::wstring file = folder.WriteFile(L"繰り返し.txt");
  const TMenuDriver user;
  const TAllocationCounter allocations;
  ASSERT_TRUE(allocations.Registered());
  const auto popupOnce = [&] { EXPECT_FALSE(CMEx->PopupFile(window.Get(), file, 0, 0)); };
  // The first rounds load the shell's parts and fill its caches.
  for (int i = 0; i < 20; ++i) popupOnce();
  const TUsage before = Usage();
  const long blocksBefore = allocations.Live();
  for (int i = 0; i < 200; ++i) popupOnce();
  const TUsage after = Usage();
  const long blocksAfter = allocations.Live();

  const std::vector<HMENU> menus = user.Menus();
  EXPECT_EQ(menus.size(), 220u);
  EXPECT_EQ(user.TimedOut(), 0);
  for (HMENU menu : menus) EXPECT_FALSE(::IsMenu(menu));
  EXPECT_EQ(after.Gdi, before.Gdi);
  EXPECT_EQ(after.User, before.User);
  // Identifier lists are small: a lost one shows in the allocator's count, not in the pages.
  EXPECT_EQ(blocksAfter, blocksBefore);
  EXPECT_LT(after.Private, before.Private + 64 * 1024);
  std::printf("GDI %lu -> %lu, USER %lu -> %lu, private bytes %zu -> %zu, task allocator blocks %ld -> %ld\n",
              before.Gdi, after.Gdi, before.User, after.User, before.Private, after.Private, blocksBefore, blocksAfter);
}

}  // namespace
