#pragma once
// A menu tree in memory for the search index to read: folders by path (several paths may reach
// one folder), their entries, and how often each folder was listed. Stamps of paths that hold
// "hung" wait at a gate until the test lets them go. Shared by pointer, since a worker may
// outlive the test.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "search/index_file_system.h"

class TCallGate;

class TFakeMenuTree : public TIndexFileSystem {
public:
  explicit TFakeMenuTree(std::shared_ptr<TCallGate> gate = nullptr) : FGate(std::move(gate)) {}

  // Makes the folder at `path`, and the folders on the way, within `root`.
  void AddFolder(const std::wstring& path);
  // A file, or a shortcut when `target` is given; its folder's write time moves.
  void AddFile(const std::wstring& path, const std::wstring& target = L"");
  // `path` reaches the folder at `folder` too.
  void AddAlias(const std::wstring& path, const std::wstring& folder);
  int Listings(const std::wstring& folder) const;

  std::optional<TFolderStamp> Stamp(const std::wstring& path) const override;
  std::vector<TFolderItem> List(const std::wstring& path) const override;

private:
  struct TFolder {
    std::uint64_t Id = 0;
    std::uint64_t WriteTime = 0;
    std::vector<TFolderItem> Items;
    int Listings = 0;
  };
  // With the lock held.
  TFolder* Find(const std::wstring& path) const;
  void Add(const std::wstring& path, TFolderItem item);

  std::shared_ptr<TCallGate> FGate;
  mutable std::mutex FLock;
  std::map<std::wstring, std::shared_ptr<TFolder>> FFolders;
  std::uint64_t FClock = 0;
};
