#include "app/link_target.h"

#include <windows.h>
#include <shlobj.h>

#include <cwchar>
#include <optional>
#include <vector>

#include "app/link_target_scan.h"
#include "framework/code_page_932.h"
#include "framework/com_ptr.h"
#include "framework/win_handle.h"

namespace {

// Shortcuts are a few kilobytes; anything far larger is no shortcut worth reading whole.
constexpr LONGLONG MaxShortcutBytes = 16 * 1024 * 1024;

std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path) {
  const TKernelHandle file{::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  LARGE_INTEGER size{};
  if (file.Get() == INVALID_HANDLE_VALUE || !::GetFileSizeEx(file.Get(), &size) || size.QuadPart > MaxShortcutBytes) {
    return {};
  }
  std::vector<std::uint8_t> bytes(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  if (!bytes.empty() && !::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return {};
  bytes.resize(read);
  return bytes;
}

}  // namespace

bool IsExistingFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TLinkTarget ReadLinkTarget(std::wstring& path) {
  const std::optional<std::string> target = ScanLinkTarget(ReadWholeFile(path));
  path.clear();
  if (!target) return TLinkTarget::ltNotFound;
  path = FromCp932(*target);
  // The system sees a name up to its first zero byte.
  path.resize(std::wcslen(path.c_str()));
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return TLinkTarget::ltNeither;
  return attributes & FILE_ATTRIBUTE_DIRECTORY ? TLinkTarget::ltFolder : TLinkTarget::ltFile;
}

std::wstring ShellLinkPath(const std::wstring& shortcut) {
  TComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid()))) return {};
  const TComPtr<IPersistFile> file = link.As<IPersistFile>();
  if (!file || FAILED(file->Load(shortcut.c_str(), STGM_READ))) return {};
  std::vector<wchar_t> target(32768);
  if (link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, 0) != S_OK) return {};
  return target.data();
}
