#include "app/file_icons.h"

#include <windows.h>
#include <shellapi.h>

namespace {

// The placeholder attributes of the cloud files of Windows 10, which MinGW's headers lack.
constexpr DWORD RecallOnOpen = 0x00040000;
constexpr DWORD RecallOnDataAccess = 0x00400000;

std::uint64_t Join(DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; }

// With SHGFI_USEFILEATTRIBUTES the shell goes by the name alone, as for a plain file.
TIconHandle ShellIcon(const std::wstring& path, int size, UINT how) {
  SHFILEINFOW info{};
  const UINT which = size > ::GetSystemMetrics(SM_CXSMICON) ? SHGFI_LARGEICON : SHGFI_SMALLICON;
  if (!::SHGetFileInfoW(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info), SHGFI_ICON | which | how)) return {};
  return TIconHandle(info.hIcon);
}

TIconHandle IconOfFile(const TIconRequest& request, bool onlineOnly) {
  if (onlineOnly) return TypeSmallIcon(request.Path, request.Size);
  TIconHandle icon;
  if (request.Source == TIconSource::isOwnIcon) icon = ExtractFirstIcon(request.Path);
  // A program without icons of its own gets the shell's.
  return icon ? std::move(icon) : ShellSmallIcon(request.Path, request.Size);
}

}  // namespace

TIconHandle ExtractFirstIcon(const std::wstring& path) {
  HICON icon = ::ExtractIconW(::GetModuleHandleW(nullptr), path.c_str(), 0);
  // 1 says the file is of a type that holds no icons; it is no handle.
  if (icon == reinterpret_cast<HICON>(1)) return {};
  return TIconHandle(icon);
}

TIconHandle ShellSmallIcon(const std::wstring& path, int size) { return ShellIcon(path, size, 0); }

TIconHandle TypeSmallIcon(const std::wstring& path, int size) {
  return ShellIcon(path, size, SHGFI_USEFILEATTRIBUTES);
}

bool IsOnlineOnly(DWORD attributes) {
  return attributes & (RecallOnDataAccess | RecallOnOpen | FILE_ATTRIBUTE_OFFLINE);
}

TFileStamp FileStampOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return {};
  return {Join(data.nFileSizeHigh, data.nFileSizeLow),
          Join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime),
          IsOnlineOnly(data.dwFileAttributes)};
}

TIconAnswer LookUpIcon(TIconRequest request) {
  TIconAnswer answer;
  if (request.Source == TIconSource::isType) {
    answer.Icon = TypeSmallIcon(request.Path, request.Size);
  } else {
    answer.Stamp = FileStampOf(request.Path);
    answer.Unchanged = request.KeptStamp == answer.Stamp;
    if (!answer.Unchanged) answer.Icon = IconOfFile(request, answer.Stamp.OnlineOnly);
  }
  answer.Request = std::move(request);
  return answer;
}
