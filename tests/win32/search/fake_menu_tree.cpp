#include "fake_menu_tree.h"

#include "support/call_gate.h"

namespace {

std::wstring ParentOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }
std::wstring NameOf(const std::wstring& path) { return path.substr(path.find_last_of(L'\\') + 1); }

}  // namespace

TFakeMenuTree::TFolder* TFakeMenuTree::Find(const std::wstring& path) const {
  const auto found = FFolders.find(path);
  return found == FFolders.end() ? nullptr : found->second.get();
}

void TFakeMenuTree::Add(const std::wstring& path, TFolderItem item) {
  TFolder* parent = Find(ParentOf(path));
  if (!parent) return;
  parent->Items.push_back(std::move(item));
  parent->WriteTime = ++FClock;
}

void TFakeMenuTree::AddFolder(const std::wstring& path) {
  const std::lock_guard lock(FLock);
  if (Find(path)) return;
  auto folder = std::make_shared<TFolder>();
  folder->Id = FFolders.size() + 1;
  folder->WriteTime = ++FClock;
  FFolders[path] = folder;
  Add(path, {NameOf(path), true, false, L""});
}

void TFakeMenuTree::AddFile(const std::wstring& path, const std::wstring& target) {
  const std::lock_guard lock(FLock);
  Add(path, {NameOf(path), false, !target.empty(), target});
}

void TFakeMenuTree::AddAlias(const std::wstring& path, const std::wstring& folder) {
  const std::lock_guard lock(FLock);
  FFolders[path] = FFolders.at(folder);
}

int TFakeMenuTree::Listings(const std::wstring& folder) const {
  const std::lock_guard lock(FLock);
  return Find(folder)->Listings;
}

std::optional<TFolderStamp> TFakeMenuTree::Stamp(const std::wstring& path) const {
  if (FGate && path.find(L"hung") != std::wstring::npos) FGate->Pass();
  const std::lock_guard lock(FLock);
  const TFolder* folder = Find(path);
  if (!folder) return std::nullopt;
  return TFolderStamp{1, folder->Id, folder->WriteTime};
}

std::vector<TFolderItem> TFakeMenuTree::List(const std::wstring& path) const {
  const std::lock_guard lock(FLock);
  TFolder* folder = Find(path);
  if (!folder) return {};
  ++folder->Listings;
  return folder->Items;
}
