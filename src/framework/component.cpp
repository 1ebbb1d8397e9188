#include "framework/component.h"

#include <algorithm>
#include <exception>

namespace {

// Each component is in a list at most once. Searched from the end: the newest go first, and a
// large menu's items are freed last first.
void Erase(std::vector<TComponent*>& list, const TComponent* item) {
  const auto found = std::find(list.rbegin(), list.rend(), item);
  if (found != list.rend()) list.erase(std::next(found).base());
}

}  // namespace

TComponent::TComponent(TComponent* owner) : FOwner(owner) {
  if (FOwner) FOwner->Insert(*this);
}

TComponent::~TComponent() {
  Destroying();  // already done when freed by the owner or TComponentDeleter
  if (FOwner) FOwner->Remove(*this);
}

void TComponent::Destroying() {
  if (FDestroying) return;
  FDestroying = true;
  // Tell everyone who refers to us, the owner included, while we are still whole.
  const std::vector<TComponent*> links = FNoticeLinks;
  for (TComponent* link : links) {
    Erase(link->FNoticeLinks, this);
    link->RemovalNotice(*this);
  }
  FNoticeLinks.clear();
  DestroyComponents();
  if (FOwner) FOwner->RemovalNotice(*this);
}

void TComponent::BeginLoading() {
  FLoading = true;
  for (TComponent* child : FComponents) child->BeginLoading();
}

void TComponent::EndLoading() {
  // Every component finishes loading even when one of them fails; the first failure is
  // passed on afterwards.
  std::exception_ptr firstError;
  for (TComponent* child : FComponents) {
    try {
      child->EndLoading();
    } catch (...) {
      if (!firstError) firstError = std::current_exception();
    }
  }
  if (FLoading) {
    FLoading = false;
    LoadFinished();
  }
  if (firstError) std::rethrow_exception(firstError);
}

void TComponent::RequestRemovalNotice(TComponent& other) {
  if (&other == this) return;
  // Links go both ways: the shorter list tells (a styler links to each of thousands of items).
  const bool mine = FNoticeLinks.size() <= other.FNoticeLinks.size();
  const std::vector<TComponent*>& shorter = mine ? FNoticeLinks : other.FNoticeLinks;
  if (std::find(shorter.begin(), shorter.end(), mine ? &other : this) == shorter.end()) {
    FNoticeLinks.push_back(&other);
    other.FNoticeLinks.push_back(this);
  }
}

void TComponent::CancelRemovalNotice(TComponent& other) {
  Erase(FNoticeLinks, &other);
  Erase(other.FNoticeLinks, this);
}

void TComponent::Insert(TComponent& child) { FComponents.push_back(&child); }

void TComponent::Remove(TComponent& child) { Erase(FComponents, &child); }

void TComponent::DestroyComponents() {
  // Last made, first freed: later components may refer to earlier ones.
  while (!FComponents.empty()) {
    TComponent* child = FComponents.back();
    child->Destroying();
    delete child;  // removes itself from FComponents
  }
}

void TComponentDeleter::operator()(TComponent* component) const {
  if (!component) return;
  component->Destroying();
  delete component;
}
