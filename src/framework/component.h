#pragma once
// Components: objects with an owner that frees them, a name, a loading state and removal
// notices, so that references between components never dangle.
#include <memory>
#include <string>
#include <vector>

class TComponent {
public:
  explicit TComponent(TComponent* owner);
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  virtual ~TComponent();

  TComponent* Owner() const { return FOwner; }
  const std::vector<TComponent*>& Components() const { return FComponents; }

  const std::wstring& Name() const { return FName; }
  void SetName(std::wstring name) { FName = std::move(name); }

  // Stored settings are applied between BeginLoading and EndLoading; side effects that need
  // all of them wait for LoadFinished. EndLoading covers the owned components too.
  bool Loading() const { return FLoading; }
  void BeginLoading();
  void EndLoading();

  // Asks `other` to call RemovalNotice(*other) on this component before it goes away.
  void RequestRemovalNotice(TComponent& other);
  void CancelRemovalNotice(TComponent& other);

  // Runs while the object is still whole, before the destructor chain: tells the components
  // that refer to this one, frees the owned ones, then tells the owner. Called by the owner
  // and by TComponentDeleter, so free components through those, not with a bare delete.
  // Overrides must call the base.
  virtual void Destroying();

  // Creates a component owned by this one.
  template <typename T, typename... Args>
  T& Make(Args&&... args) {
    return *new T(this, std::forward<Args>(args)...);
  }

protected:
  virtual void LoadFinished() {}
  // `component` is about to be destroyed: drop every reference to it.
  virtual void RemovalNotice(TComponent& component) { (void)component; }

private:
  void Insert(TComponent& child);
  void Remove(TComponent& child);
  void DestroyComponents();

  TComponent* FOwner;
  std::wstring FName;
  std::vector<TComponent*> FComponents;    // owned, in creation order
  std::vector<TComponent*> FNoticeLinks;   // components that exchange removal notices with us
  bool FLoading = false;
  bool FDestroying = false;
};

// Deleter for components held outside an owner: lets them run Destroying first.
struct TComponentDeleter {
  void operator()(TComponent* component) const;
};

template <typename T>
using TComponentPtr = std::unique_ptr<T, TComponentDeleter>;

template <typename T, typename... Args>
TComponentPtr<T> MakeComponent(Args&&... args) {
  return TComponentPtr<T>(new T(nullptr, std::forward<Args>(args)...));
}
