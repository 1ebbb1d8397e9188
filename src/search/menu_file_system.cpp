#include "search/menu_file_system.h"

#include <windows.h>

#include <functional>

#include "folder/link_target.h"
#include "framework/win_handle.h"

namespace {

// Beyond any 32-bit volume serial number.
constexpr std::uint64_t NoFileIndex = 1ull << 32;

std::uint64_t Joined(DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; }

// The folder a shortcut names. The shell's reading does not touch the target; the raw scan, for
// shortcuts the shell cannot read, looks at it.
std::wstring ShortcutTarget(const std::wstring& shortcut) {
  std::wstring target = ShellLinkPath(shortcut);
  if (!target.empty()) return target;
  target = shortcut;
  return ReadLinkTarget(target) == TLinkTarget::ltFolder ? target : std::wstring();
}

}  // namespace

std::optional<TFolderStamp> TMenuFileSystem::Stamp(const std::wstring& path) const {
  // Most paths asked about are shortcuts' targets, mostly programs: those need no opening.
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  // A folder opens only with backup semantics; reading its attributes needs no further access.
  const TFileHandle folder(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!folder || !::GetFileInformationByHandle(folder.Get(), &info) ||
      !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  // The 64-bit file index names a folder on NTFS and FAT; ReFS ids are wider (FILE_ID_INFO), and
  // two folders there sharing the low half would be read as one. Some network file systems
  // answer no index at all: there the path names the folder, and only the depth limit ends a
  // cycle through shortcuts.
  const std::uint64_t index = Joined(info.nFileIndexHigh, info.nFileIndexLow);
  const std::uint64_t writeTime = Joined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
  if (index == 0) return TFolderStamp{NoFileIndex, std::hash<std::wstring>{}(path), writeTime};
  return TFolderStamp{info.dwVolumeSerialNumber, index, writeTime};
}

std::vector<TFolderItem> TMenuFileSystem::List(const std::wstring& path) const {
  TFileList list(nullptr);
  list.Search(path, FFilter.FileType, FFilter.Mask);
  std::vector<TFolderItem> items;
  items.reserve(list.List().size());
  for (const TFileList::TLine& line : list.List()) {
    TFolderItem item;
    item.IsFolder = (line.Info.Attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (item.IsFolder) {
      // Listed bracketed; the menus hide the folder itself and its parent.
      item.Name = line.Name.substr(1, line.Name.size() - 2);
      if (item.Name == L"." || item.Name == L"..") continue;
    } else {
      item.Name = line.Name;
      item.IsShortcut = IsShortcutPath(item.Name);
      if (item.IsShortcut) item.Target = ShortcutTarget(file_list_rules::JoinPath(path, item.Name));
    }
    items.push_back(std::move(item));
  }
  return items;
}
