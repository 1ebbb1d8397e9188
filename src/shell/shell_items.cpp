#include "shell/shell_items.h"

#include <cstring>

namespace {

// The shell's own ANSI text, in the system's code page.
std::wstring FromAnsi(const char* text, std::size_t length) {
  if (length == 0) return {};
  const int count = ::MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), wide.data(), count);
  return wide;
}

// Length of a zero-ended text that may fill its whole buffer.
std::size_t BoundedLength(const char* text, std::size_t capacity) {
  const void* end = std::memchr(text, 0, capacity);
  return end ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : capacity;
}

}  // namespace

TComPtr<IShellFolder> DesktopFolder() {
  TComPtr<IShellFolder> desktop;
  if (FAILED(::SHGetDesktopFolder(desktop.Put()))) desktop.Reset();
  return desktop;
}

TComPtr<IShellFolder> BindFolder(IShellFolder& parent, const TIdByte* list) {
  TComPtr<IShellFolder> folder;
  if (FAILED(parent.BindToObject(AsItemIdList(list), nullptr, IID_IShellFolder, folder.PutVoid()))) folder.Reset();
  return folder;
}

TIdList IdListFromPath(TShellAllocator& allocator, const std::wstring& path) {
  const TComPtr<IShellFolder> desktop = DesktopFolder();
  if (!desktop) return {};
  std::wstring name = path;  // the call wants a writable string
  ITEMIDLIST* list = nullptr;
  const HRESULT result = desktop->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &list, nullptr);
  TIdList parsed = allocator.Adopt(list);  // a failing parser may still have handed one out
  if (FAILED(result)) return {};
  return parsed;
}

TIdList LastItemFromPath(TShellAllocator& allocator, const std::wstring& path) {
  const TIdList full = IdListFromPath(allocator, path);
  return IdListLastCopy(allocator, full.Get());
}

TComPtr<IShellFolder> ParentFolderOf(TShellAllocator& allocator, const std::wstring& path) {
  if (path.empty() || !allocator) return {};
  TComPtr<IShellFolder> folder = DesktopFolder();
  if (!folder) return {};
  const TIdList full = IdListFromPath(allocator, path);
  const std::size_t count = IdListCount(full.Get());
  if (count < 2) return {};
  // One step at a time from the desktop down to the folder that holds the last item.
  const TIdByte* item = full.Get();
  for (std::size_t i = 0; i + 1 < count; ++i, item = IdListNextItem(item)) {
    const TIdList step = IdListCopyFirst(allocator, item);
    if (!step) return {};
    folder = BindFolder(*folder.Get(), step.Get());
    if (!folder) return {};
  }
  return folder;
}

std::optional<TItemSelection> BuildItemList(TShellAllocator& allocator, const std::vector<std::wstring>& paths) {
  if (!allocator || paths.empty()) return std::nullopt;
  TItemSelection selection;
  selection.Folder = ParentFolderOf(allocator, paths.front());
  if (!selection.Folder) return std::nullopt;
  for (const std::wstring& path : paths) {
    const TIdList item = LastItemFromPath(allocator, path);
    if (!item) return std::nullopt;
    selection.Items = IdListConcat(allocator, selection.Items.Get(), item.Get());
    if (!selection.Items) return std::nullopt;
  }
  return selection;
}

std::optional<std::wstring> DisplayNameOf(IShellFolder& folder, const TIdByte* item, SHGDNF flags) {
  STRRET name{};
  if (folder.GetDisplayNameOf(AsItemIdList(item), flags, &name) != S_OK) return std::nullopt;
  switch (name.uType) {
    case STRRET_WSTR: {
      std::wstring text = name.pOleStr ? name.pOleStr : L"";
      ::CoTaskMemFree(name.pOleStr);
      return text;
    }
    case STRRET_OFFSET: {
      // The text lies inside the item; it may not run past the item's own byte count.
      const std::size_t size = IdItemSize(item);
      if (name.uOffset >= size) return std::nullopt;
      const char* text = reinterpret_cast<const char*>(item) + name.uOffset;
      return FromAnsi(text, BoundedLength(text, size - name.uOffset));
    }
    case STRRET_CSTR:
      return FromAnsi(name.cStr, BoundedLength(name.cStr, sizeof(name.cStr)));
    default:
      return std::nullopt;
  }
}
