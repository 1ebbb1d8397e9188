#pragma once
// The file-system calls the search index makes, all on workers: a call may block as long as the
// share it touches. The index reads the menu tree through this alone, so a fake can stand in.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Which real folder a path reaches, however many paths lead to it, and when its entries last
// changed.
struct TFolderStamp {
  std::uint64_t Volume = 0;
  std::uint64_t File = 0;
  std::uint64_t WriteTime = 0;

  bool SameFolder(const TFolderStamp& other) const { return Volume == other.Volume && File == other.File; }
};

struct TFolderItem {
  std::wstring Name;  // in the folder, as it is on disk
  bool IsFolder = false;
  bool IsShortcut = false;
  std::wstring Target;  // for a shortcut, the path it names; may be empty
};

class TIndexFileSystem {
public:
  virtual ~TIndexFileSystem() = default;
  // None when `path` is no folder, or cannot be reached.
  virtual std::optional<TFolderStamp> Stamp(const std::wstring& path) const = 0;
  // The entries the menus show for the folder, in their order; none when it cannot be read.
  virtual std::vector<TFolderItem> List(const std::wstring& path) const = 0;
};
