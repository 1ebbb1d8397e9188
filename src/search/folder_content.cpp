#include "search/folder_content.h"

#include "folder/file_list_rules.h"
#include "folder/menu_folder.h"

namespace {

std::wstring_view WithoutExtension(std::wstring_view name) { return name.substr(0, name.find_last_of(L'.')); }

// "<Tools>" gives "Tools": the brackets are no part of what is typed.
std::wstring_view Unbracketed(std::wstring_view caption) { return caption.substr(1, caption.size() - 2); }

}  // namespace

std::shared_ptr<const TFolderContent> MakeFolderContent(const std::wstring& folder,
                                                        const std::vector<TFolderItem>& items,
                                                        const TTextFolding& folding) {
  auto content = std::make_shared<TFolderContent>();
  content->Entries.reserve(items.size());
  for (const TFolderItem& item : items) {
    TIndexEntry& entry = content->Entries.emplace_back();
    entry.Path = file_list_rules::JoinPath(folder, item.Name);
    entry.IsFolder = item.IsFolder;
    if (item.IsFolder) {
      entry.Name = file_list_rules::DisplayName(item.Name, file_list_rules::AttrDirectory);
      entry.Match = MakeSearchName(item.Name, folding);
      continue;
    }
    entry.Name = item.IsShortcut ? WithoutExtension(item.Name) : item.Name;
    entry.Match = MakeSearchName(entry.Name, folding);
    if (item.IsShortcut && !item.Target.empty()) {
      entry.Target = item.Target;
      content->Shortcuts.push_back(content->Entries.size() - 1);
    }
  }
  return content;
}

TIndexEntry FolderShortcutEntry(const TIndexEntry& shortcut, const TTextFolding& folding) {
  TIndexEntry folder = shortcut;
  folder.Name = FolderCaptionOf(shortcut.Target);
  folder.Match = MakeSearchName(Unbracketed(folder.Name), folding);
  folder.Path = shortcut.Target;
  folder.IsFolder = true;
  return folder;
}
