#include "framework/whole_file.h"

#include <windows.h>

#include <algorithm>

#include "framework/win_handle.h"

namespace {

struct TFileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
using TFileHandle = TUniqueHandle<TFileHandleTraits>;

// Attributes the new file takes over from the one it replaces.
constexpr DWORD KeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// The folder part with its separator, or "." for a bare name.
std::wstring FolderOf(const std::wstring& path) {
  const std::size_t last = path.find_last_of(L"\\/:");
  return last == std::wstring::npos ? L"." : path.substr(0, last + 1);
}

bool ReadAll(HANDLE file, std::uint64_t maxBytes, std::string& bytes) {
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file, &size) || static_cast<std::uint64_t>(size.QuadPart) > std::min(maxBytes, MaxWholeFileBytes))
    return false;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!::ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr)) return false;
    if (read == 0) break;  // shortened meanwhile
    done += read;
  }
  bytes.resize(done);
  return true;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0)
      return false;
    bytes.remove_prefix(written);
  }
  return ::FlushFileBuffers(file) != 0;
}

// A new file beside the target; deleted again unless it was moved into place.
class TPendingFile {
public:
  explicit TPendingFile(const std::wstring& folder) {
    wchar_t name[MAX_PATH];
    if (::GetTempFileNameW(folder.c_str(), L"ini", 0, name)) FPath = name;
  }
  ~TPendingFile() {
    if (!FPath.empty()) ::DeleteFileW(FPath.c_str());
  }
  TPendingFile(const TPendingFile&) = delete;
  TPendingFile& operator=(const TPendingFile&) = delete;

  bool Created() const { return !FPath.empty(); }

  bool Write(std::string_view bytes) const {
    TFileHandle file(::CreateFileW(FPath.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                   nullptr));
    return file && WriteAll(file.Get(), bytes);
  }

  bool MoveOver(const std::wstring& target) {
    if (!::MoveFileExW(FPath.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return false;
    FPath.clear();
    return true;
  }

  const std::wstring& Path() const { return FPath; }

private:
  std::wstring FPath;
};

}  // namespace

TWholeFile ReadWholeFile(const std::wstring& path, std::uint64_t maxBytes) {
  TFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = ::GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? TFileReadResult::frMissing : TFileReadResult::frFailed, {}};
  }
  TWholeFile content{TFileReadResult::frRead, {}};
  if (!ReadAll(file.Get(), maxBytes, content.Bytes)) return {TFileReadResult::frFailed, {}};
  return content;
}

bool ReplaceWholeFile(const std::wstring& path, std::string_view bytes) {
  if (path.empty()) return false;
  const DWORD oldAttributes = ::GetFileAttributesW(path.c_str());
  const bool exists = oldAttributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (oldAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) return false;
  TPendingFile pending(FolderOf(path));
  if (!pending.Created() || !pending.Write(bytes)) return false;
  if (exists && (oldAttributes & KeptAttributes))
    ::SetFileAttributesW(pending.Path().c_str(), oldAttributes & KeptAttributes);
  return pending.MoveOver(path);
}
