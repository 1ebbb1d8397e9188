#include "search/index_tree.h"

#include <algorithm>
#include <set>

#include "search/folder_content.h"

namespace {

// A folder reached, with where the menus show it.
struct TVisit {
  std::wstring Path;
  std::wstring Shown;
  int Depth = 0;
  std::size_t Parent = 0;  // a node; the menu folder is its own
};

struct TNode {
  TIndexFolder Folder;
  std::vector<std::size_t> Children;
};

std::wstring ShownBelow(const std::wstring& shown, const std::wstring& caption) {
  const std::wstring name = caption.substr(1, caption.size() - 2);  // without the brackets
  return shown.empty() ? name : shown + L"\\" + name;
}

bool SameFolders(const std::vector<TIndexFolder>& a, const std::vector<TIndexFolder>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TIndexFolder& x, const TIndexFolder& y) {
    return x.Content == y.Content && x.Entries == y.Entries && x.Pending == y.Pending && x.SubtreeEnd == y.SubtreeEnd &&
           x.Path == y.Path && x.Shown == y.Shown;
  });
}

// Lays the nodes out depth first, each followed by all below it.
void Emit(std::vector<TNode>& nodes, std::size_t node, std::vector<TIndexFolder>& folders) {
  const std::size_t index = folders.size();
  folders.push_back(std::move(nodes[node].Folder));
  for (const std::size_t child : nodes[node].Children) Emit(nodes, child, folders);
  folders[index].SubtreeEnd = folders.size();
}

}  // namespace

TIndexTree::TIndexTree(std::wstring menuFolder, TTextFolding folding)
    : FMenuFolder(std::move(menuFolder)), FFolding(std::move(folding)) {
  auto snapshot = std::make_shared<TIndexSnapshot>();
  snapshot->Folders.push_back({nullptr, 0, FMenuFolder, L"", 1, true});
  FSnapshot = std::move(snapshot);
}

bool TIndexTree::Stamped(const std::wstring& path, const std::optional<TFolderStamp>& stamp) {
  const auto found = FPaths.find(path);
  if (found == FPaths.end()) return false;
  TPathState& state = found->second;
  state.StampUnderWay = false;
  const TPathKind kind = stamp ? TPathKind::pkFolder : TPathKind::pkNoFolder;
  bool changed = state.StampWanted || kind != state.Kind;
  state.Kind = kind;
  if (!stamp) return changed;
  changed = changed || !state.Stamp.SameFolder(*stamp);
  state.Stamp = *stamp;
  std::uint64_t& stampedTime = FFolders[KeyOf(*stamp)].StampedTime;
  changed = changed || stampedTime != stamp->WriteTime;
  stampedTime = stamp->WriteTime;
  return changed;
}

void TIndexTree::Listed(const TIndexCall& call, std::shared_ptr<const TFolderContent> content) {
  const auto found = FFolders.find(KeyOf(call.Stamp));
  if (found == FFolders.end()) return;
  TFolderState& state = found->second;
  state.ListUnderWay = false;
  state.ListedTime = call.Stamp.WriteTime;
  state.Listed = std::move(content);
  state.Shown = nullptr;
  // A shortcut may lead to a folder made since its target was last looked at.
  for (const std::size_t shortcut : state.Listed->Shortcuts) {
    const auto target = FPaths.find(state.Listed->Entries[shortcut].Target);
    if (target != FPaths.end() && target->second.Kind == TPathKind::pkNoFolder) target->second.StampWanted = true;
  }
}

void TIndexTree::Recheck(bool outsideOnly) {
  const std::wstring inside = FMenuFolder + L"\\";
  for (auto& [path, state] : FPaths) {
    const bool outside = path != FMenuFolder && !path.starts_with(inside);
    // The menu folder, made again after it was gone, is found again.
    const bool mayBeFolder = state.Kind == TPathKind::pkFolder || path == FMenuFolder;
    if (mayBeFolder && (outside || !outsideOnly)) state.StampWanted = true;
  }
}

TIndexTree::TPathState& TIndexTree::Reach(const std::wstring& path, std::vector<TIndexCall>& calls) {
  TPathState& state = FPaths[path];
  state.Reached = FUpdate;
  if (state.StampWanted && !state.StampUnderWay) {
    calls.push_back({TIndexCall::TKind::icStamp, path, {}});
    state.StampWanted = false;
    state.StampUnderWay = true;
  }
  return state;
}

bool TIndexTree::ResolveShortcuts(TFolderState& state, std::vector<TIndexCall>& calls) {
  const TFolderContent& listed = *state.Listed;
  std::vector<bool> folderForms(listed.Shortcuts.size());
  bool known = true;
  for (std::size_t i = 0; i < folderForms.size(); ++i) {
    const TPathState& target = Reach(listed.Entries[listed.Shortcuts[i]].Target, calls);
    known = known && target.Kind != TPathKind::pkUnknown;
    folderForms[i] = target.Kind == TPathKind::pkFolder;
  }
  if (state.Shown && folderForms == state.FolderForms) return known;
  if (std::find(folderForms.begin(), folderForms.end(), true) == folderForms.end()) {
    state.Shown = state.Listed;
  } else {
    auto shown = std::make_shared<TFolderContent>(listed);
    for (std::size_t i = 0; i < folderForms.size(); ++i) {
      TIndexEntry& entry = shown->Entries[listed.Shortcuts[i]];
      if (folderForms[i]) entry = FolderShortcutEntry(entry, FFolding);
    }
    state.Shown = std::move(shown);
  }
  state.FolderForms = std::move(folderForms);
  return known;
}

TIndexTree::TUpdate TIndexTree::Update() {
  ++FUpdate;
  TUpdate update;
  std::vector<TIndexCall>& calls = update.Calls;
  std::vector<TNode> nodes;
  std::set<TFolderKey> seen;
  std::size_t entries = 0;
  std::vector<TVisit> visits{{FMenuFolder, L"", 0, 0}};
  for (std::size_t v = 0; v < visits.size() && entries < MaxEntries; ++v) {
    const TVisit visit = visits[v];
    const TPathState& path = Reach(visit.Path, calls);
    if (path.Kind == TPathKind::pkNoFolder) continue;
    if (path.Kind == TPathKind::pkFolder && !seen.insert(KeyOf(path.Stamp)).second) continue;
    const std::size_t node = nodes.size();
    TIndexFolder& folder = nodes.emplace_back().Folder;
    if (node > 0) nodes[visit.Parent].Children.push_back(node);
    folder.Path = visit.Path;
    folder.Shown = visit.Shown;
    folder.Pending = true;
    if (path.Kind == TPathKind::pkUnknown) continue;

    TFolderState& state = FFolders[KeyOf(path.Stamp)];
    state.Reached = FUpdate;
    const bool outOfDate = !state.Listed || state.ListedTime != state.StampedTime;
    if (outOfDate && !state.ListUnderWay) {
      calls.push_back({TIndexCall::TKind::icList, visit.Path, path.Stamp});
      state.ListUnderWay = true;
    }
    if (!state.Listed) continue;
    const bool targetsKnown = ResolveShortcuts(state, calls);
    folder.Pending = outOfDate || !targetsKnown;
    folder.Content = state.Shown;
    folder.Entries = std::min(folder.Content->Entries.size(), MaxEntries - entries);
    entries += folder.Entries;
    if (visit.Depth == MaxDepth) continue;
    for (std::size_t e = 0; e < folder.Entries; ++e) {
      const TIndexEntry& entry = folder.Content->Entries[e];
      if (entry.IsFolder) visits.push_back({entry.Path, ShownBelow(visit.Shown, entry.Name), visit.Depth + 1, node});
    }
  }
  Forget();

  auto snapshot = std::make_shared<TIndexSnapshot>();
  snapshot->Folders.reserve(nodes.size());
  if (!nodes.empty()) Emit(nodes, 0, snapshot->Folders);
  update.Changed = !SameFolders(snapshot->Folders, FSnapshot->Folders);
  if (update.Changed) FSnapshot = std::move(snapshot);
  return update;
}

void TIndexTree::Forget() {
  // What the tree no longer reaches goes, unless an answer for it is on its way.
  std::erase_if(FPaths, [this](const auto& path) { return path.second.Reached != FUpdate && !path.second.StampUnderWay; });
  std::erase_if(FFolders, [this](const auto& folder) { return folder.second.Reached != FUpdate && !folder.second.ListUnderWay; });
}
