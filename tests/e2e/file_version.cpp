// Prints what Explorer's Properties would show of an exe's version block: the fixed file and
// product versions, then the product name, file version and copyright strings, one a line.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring Text(std::vector<BYTE>& block, const wchar_t* name) {
  wchar_t* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
  if (!::VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return L"(none)";
  return std::wstring(value, length > 0 ? length - 1 : 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(argv[1], &ignored);
  if (size == 0) return 1;
  std::vector<BYTE> block(size);
  if (!::GetFileVersionInfoW(argv[1], 0, size, block.data())) return 1;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) return 1;
  std::printf("%u.%u.%u.%u\n%u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
              HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS), HIWORD(fixed->dwProductVersionMS),
              LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS));
  for (const wchar_t* name : {L"ProductName", L"FileVersion", L"FileDescription", L"LegalCopyright"})
    std::printf("%ls\n", Text(block, name).c_str());
  return 0;
}
