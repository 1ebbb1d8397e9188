#pragma once
// A listed folder's entries as the index keeps them: named as the menus name them, each name
// folded once, here, on the worker that listed the folder.
#include <memory>
#include <string>
#include <vector>

#include "search/index_file_system.h"
#include "search/index_snapshot.h"

std::shared_ptr<const TFolderContent> MakeFolderContent(const std::wstring& folder,
                                                        const std::vector<TFolderItem>& items,
                                                        const TTextFolding& folding);

// `shortcut` as the menus show it once its target is found to be a folder: a submenu named after
// that folder, which opens it.
TIndexEntry FolderShortcutEntry(const TIndexEntry& shortcut, const TTextFolding& folding);
