#include "folder/link_target.h"

#include <windows.h>
#include <shlobj.h>

#include <cwchar>
#include <optional>
#include <vector>

#include "folder/link_target_scan.h"
#include "framework/code_page_932.h"
#include "framework/com_ptr.h"
#include "framework/whole_file.h"

namespace {

// Shortcuts are a few kilobytes; anything far larger is no shortcut worth reading whole.
constexpr std::uint64_t MaxShortcutBytes = 16 * 1024 * 1024;

}  // namespace

bool IsExistingFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TLinkTarget ReadLinkTarget(std::wstring& path) {
  const std::string bytes = ReadWholeFile(path, MaxShortcutBytes).Bytes;
  const std::optional<std::string> target =
      ScanLinkTarget({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
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
