#include "framework/component.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Records what happens to it in a shared journal.
class TProbe : public TComponent {
public:
  TProbe(TComponent* owner, std::wstring name, std::vector<std::wstring>& journal)
      : TComponent(owner), FJournal(journal) {
    SetName(std::move(name));
  }
  ~TProbe() override { FJournal.push_back(L"free " + Name()); }

  TComponent* Partner = nullptr;

protected:
  void LoadFinished() override { FJournal.push_back(L"loaded " + Name()); }
  void RemovalNotice(TComponent& component) override {
    FJournal.push_back(Name() + L" told of " + component.Name());
    if (&component == Partner) Partner = nullptr;
  }

private:
  std::vector<std::wstring>& FJournal;
};

TEST(Component, OwnerFreesOwnedComponentsLastMadeFirst) {
  std::vector<std::wstring> journal;
  {
    auto owner = MakeComponent<TProbe>(L"owner", journal);
    owner->Make<TProbe>(L"a", journal);
    owner->Make<TProbe>(L"b", journal);
    EXPECT_EQ(owner->Components().size(), 2u);
  }
  const std::vector<std::wstring> expected{L"owner told of b", L"free b", L"owner told of a", L"free a",
                                           L"free owner"};
  EXPECT_EQ(journal, expected);
}

TEST(Component, FreedComponentLeavesItsOwner) {
  std::vector<std::wstring> journal;
  auto owner = MakeComponent<TProbe>(L"owner", journal);
  TProbe& child = owner->Make<TProbe>(L"child", journal);
  TComponentDeleter{}(&child);
  EXPECT_TRUE(owner->Components().empty());
}

TEST(Component, RemovalNoticeClearsReferencesBothWays) {
  std::vector<std::wstring> journal;
  auto a = MakeComponent<TProbe>(L"a", journal);
  auto b = MakeComponent<TProbe>(L"b", journal);
  a->Partner = b.get();
  a->RequestRemovalNotice(*b);
  a->RequestRemovalNotice(*b);  // asking twice notifies once
  b.reset();
  EXPECT_EQ(a->Partner, nullptr);
  EXPECT_EQ(std::count(journal.begin(), journal.end(), L"a told of b"), 1);

  // After a cancel, nothing is told.
  auto c = MakeComponent<TProbe>(L"c", journal);
  a->RequestRemovalNotice(*c);
  a->CancelRemovalNotice(*c);
  c.reset();
  EXPECT_EQ(std::count(journal.begin(), journal.end(), L"a told of c"), 0);
}

TEST(Component, LoadFinishedRunsOnceForOwnerAndOwned) {
  std::vector<std::wstring> journal;
  auto owner = MakeComponent<TProbe>(L"owner", journal);
  TProbe& child = owner->Make<TProbe>(L"child", journal);
  owner->BeginLoading();
  EXPECT_TRUE(child.Loading());
  owner->EndLoading();
  owner->EndLoading();
  EXPECT_FALSE(child.Loading());
  const std::vector<std::wstring> expected{L"loaded child", L"loaded owner"};
  EXPECT_EQ(journal, expected);
}

}  // namespace

namespace {

class TFailingLoad : public TComponent {
public:
  using TComponent::TComponent;

protected:
  void LoadFinished() override { throw std::runtime_error("cannot load"); }
};

TEST(Component, OneFailingLoadDoesNotKeepTheOthersLoading) {
  std::vector<std::wstring> journal;
  auto owner = MakeComponent<TProbe>(L"owner", journal);
  owner->Make<TFailingLoad>();
  TProbe& after = owner->Make<TProbe>(L"after", journal);
  owner->BeginLoading();
  EXPECT_THROW(owner->EndLoading(), std::runtime_error);
  EXPECT_FALSE(after.Loading());
  EXPECT_FALSE(owner->Loading());
  EXPECT_EQ(journal, (std::vector<std::wstring>{L"loaded after", L"loaded owner"}));
}

}  // namespace
