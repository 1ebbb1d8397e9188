#include "app/file_icons.h"

#include <windows.h>
#include <shellapi.h>

namespace {

std::uint64_t Join(DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; }

}  // namespace

TIconHandle ExtractFirstIcon(const std::wstring& path) {
  HICON icon = ::ExtractIconW(::GetModuleHandleW(nullptr), path.c_str(), 0);
  // 1 says the file is of a type that holds no icons; it is no handle.
  if (icon == reinterpret_cast<HICON>(1)) return {};
  return TIconHandle(icon);
}

TIconHandle ShellSmallIcon(const std::wstring& path, int size) {
  SHFILEINFOW info{};
  const UINT which = size > ::GetSystemMetrics(SM_CXSMICON) ? SHGFI_LARGEICON : SHGFI_SMALLICON;
  if (!::SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | which)) return {};
  return TIconHandle(info.hIcon);
}

TFileStamp FileStampOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return {};
  return {Join(data.nFileSizeHigh, data.nFileSizeLow),
          Join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

TIconAnswer LookUpIcon(TIconRequest request) {
  TIconAnswer answer;
  if (request.Source == TIconSource::isType) {
    answer.Icon = ShellSmallIcon(request.Path, request.Size);
  } else {
    answer.Stamp = FileStampOf(request.Path);
    answer.Unchanged = request.KeptStamp == answer.Stamp;
    if (!answer.Unchanged && request.Source == TIconSource::isOwnIcon) answer.Icon = ExtractFirstIcon(request.Path);
    // A program without icons of its own gets the shell's.
    if (!answer.Unchanged && !answer.Icon) answer.Icon = ShellSmallIcon(request.Path, request.Size);
  }
  answer.Request = std::move(request);
  return answer;
}
