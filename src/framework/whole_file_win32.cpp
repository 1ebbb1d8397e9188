#include "framework/whole_file.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "framework/win_handle.h"

namespace {

// Attributes the new file takes over from the one it replaces.
constexpr DWORD KeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// The folder part with its separator, or ".\\" for a bare name.
std::wstring FolderOf(const std::wstring& path) {
  const std::size_t last = path.find_last_of(L"\\/:");
  return last == std::wstring::npos ? L".\\" : path.substr(0, last + 1);
}

// A path of MAX_PATH or more opens only in its extended form ("\\?\"), which is taken as it
// stands: made full and with backslashes first. (Wine opens long paths in either form.)
std::wstring Openable(const std::wstring& path) {
  if (path.size() < MAX_PATH || path.starts_with(L"\\\\?\\")) return path;
  std::wstring full(::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
  const DWORD length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return path;
  full.resize(length);
  return full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

// Editors, sync clients and virus scanners hold a file for a moment without FILE_SHARE_DELETE,
// which keeps it from being replaced: such a hold is waited out for about half a second.
constexpr int ReplaceAttempts = 10;
constexpr DWORD ReplaceRetryMilliseconds = 50;

bool IsPassingHold(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
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
  // Named here rather than by GetTempFileNameW, which stops at MAX_PATH.
  explicit TPendingFile(const std::wstring& folder) {
    const DWORD seed = ::GetCurrentProcessId() * 0x10001u ^ ::GetTickCount();
    for (DWORD attempt = 0; attempt < 64; ++attempt) {
      wchar_t name[16];
      std::swprintf(name, std::size(name), L"ini%08lX.tmp", static_cast<unsigned long>(seed + attempt));
      const std::wstring path = folder + name;
      FFile = TFileHandle(::CreateFileW(Openable(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
      if (FFile) {
        FPath = path;
        return;
      }
      if (::GetLastError() != ERROR_FILE_EXISTS) return;
    }
  }
  ~TPendingFile() {
    FFile.Reset();
    if (!FPath.empty()) ::DeleteFileW(Openable(FPath).c_str());
  }
  TPendingFile(const TPendingFile&) = delete;
  TPendingFile& operator=(const TPendingFile&) = delete;

  bool Created() const { return !FPath.empty(); }

  // Writes and closes the file.
  bool Write(std::string_view bytes) {
    const bool written = WriteAll(FFile.Get(), bytes);
    FFile.Reset();
    return written;
  }

  bool MoveOver(const std::wstring& target) {
    for (int attempt = 1;; ++attempt) {
      if (::MoveFileExW(Openable(FPath).c_str(), Openable(target).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        FPath.clear();
        return true;
      }
      if (attempt == ReplaceAttempts || !IsPassingHold(::GetLastError())) return false;
      ::Sleep(ReplaceRetryMilliseconds);
    }
  }

  const std::wstring& Path() const { return FPath; }

private:
  std::wstring FPath;
  TFileHandle FFile;
};

}  // namespace

TWholeFile ReadWholeFile(const std::wstring& path, std::uint64_t maxBytes) {
  TFileHandle file(::CreateFileW(Openable(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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
  const DWORD oldAttributes = ::GetFileAttributesW(Openable(path).c_str());
  const bool exists = oldAttributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (oldAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) return false;
  TPendingFile pending(FolderOf(path));
  if (!pending.Created() || !pending.Write(bytes)) return false;
  if (exists && (oldAttributes & KeptAttributes))
    ::SetFileAttributesW(Openable(pending.Path()).c_str(), oldAttributes & KeptAttributes);
  return pending.MoveOver(path);
}
