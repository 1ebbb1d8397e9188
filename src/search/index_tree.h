#pragma once
// What the search index knows of the menu tree, kept on the UI thread: what each path reached
// leads to (a folder, and which real one, or none), each real folder's entries as last listed,
// and from them the snapshot a search reads. It makes no file-system call itself: it names the
// calls it needs and takes their answers, so that a call that hangs holds back nothing here.
//
// The tree is the menus' tree: folders, and shortcuts to folders followed. A real folder is read
// once however many paths lead to it (a shortcut to an ancestor makes no cycle), and shown where
// it is reached first, breadth first from the menu folder.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "search/index_file_system.h"
#include "search/index_snapshot.h"

struct TIndexCall {
  enum class TKind : std::uint8_t { icStamp, icList };
  TKind Kind = TKind::icStamp;
  std::wstring Path;
  TFolderStamp Stamp;  // for a listing: the stamp that asked for it
};

class TIndexTree {
public:
  // Entries beyond this many are left out, the deepest first.
  static constexpr std::size_t MaxEntries = 100000;
  // The menu folder lies at depth 0; the folders in a folder at this depth are shown, not read.
  static constexpr int MaxDepth = 8;

  TIndexTree(std::wstring menuFolder, TTextFolding folding);

  // Whether the answer changes anything an update would act on.
  bool Stamped(const std::wstring& path, const std::optional<TFolderStamp>& stamp);
  void Listed(const TIndexCall& call, std::shared_ptr<const TFolderContent> content);
  // Every folder is stamped again, and read again where its write time moved. `outsideOnly`
  // keeps to the folders outside the menu folder, which its change notifications do not cover.
  void Recheck(bool outsideOnly);
  struct TUpdate {
    std::vector<TIndexCall> Calls;  // needed, and not under way
    bool Changed = false;           // a new snapshot was published
  };
  // Works out what the tree now shows, and publishes it unless it is what the snapshot shows.
  TUpdate Update();

  const std::shared_ptr<const TIndexSnapshot>& Snapshot() const { return FSnapshot; }

private:
  enum class TPathKind : std::uint8_t { pkUnknown, pkFolder, pkNoFolder };
  struct TPathState {
    TPathKind Kind = TPathKind::pkUnknown;
    TFolderStamp Stamp;  // of a folder
    bool StampWanted = true;
    bool StampUnderWay = false;
    std::uint64_t Reached = 0;  // by the update of this number
  };
  using TFolderKey = std::pair<std::uint64_t, std::uint64_t>;
  struct TFolderState {
    std::uint64_t StampedTime = 0;
    std::uint64_t ListedTime = 0;
    std::shared_ptr<const TFolderContent> Listed;
    // Listed, with the shortcuts found to lead to folders shown as folders.
    std::shared_ptr<const TFolderContent> Shown;
    std::vector<bool> FolderForms;  // for each of Listed's shortcuts, as Shown has it
    bool ListUnderWay = false;
    std::uint64_t Reached = 0;
  };

  static TFolderKey KeyOf(const TFolderStamp& stamp) { return {stamp.Volume, stamp.File}; }
  TPathState& Reach(const std::wstring& path, std::vector<TIndexCall>& calls);
  // Brings state.Shown up to what the shortcuts' targets are known to be; false while a target
  // is unknown.
  bool ResolveShortcuts(TFolderState& state, std::vector<TIndexCall>& calls);
  void Forget();

  std::wstring FMenuFolder;
  TTextFolding FFolding;
  std::unordered_map<std::wstring, TPathState> FPaths;
  std::map<TFolderKey, TFolderState> FFolders;
  std::uint64_t FUpdate = 0;
  std::shared_ptr<const TIndexSnapshot> FSnapshot;
};
