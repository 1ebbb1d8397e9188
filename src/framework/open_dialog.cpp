#include "framework/open_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace {

// The system wants the parts ended by NUL characters and the list by one more.
std::wstring SystemFilter(std::wstring filter) {
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  return filter + std::wstring(2, L'\0');
}

}  // namespace

bool TOpenDialog::Execute(HWND owner) {
  constexpr std::size_t PathCapacity = 32768;  // the longest path the system handles
  std::vector<wchar_t> path(PathCapacity, L'\0');
  std::copy_n(FFileName.begin(), std::min(FFileName.size(), PathCapacity - 1), path.begin());
  const std::wstring filter = SystemFilter(Filter);
  OPENFILENAMEW choice{};
  choice.lStructSize = sizeof(choice);
  choice.hwndOwner = owner;
  choice.lpstrFilter = filter.c_str();
  choice.lpstrFile = path.data();
  choice.nMaxFile = static_cast<DWORD>(path.size());
  choice.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  choice.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
  choice.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  choice.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | (FileMustExist ? OFN_FILEMUSTEXIST : 0);
  if (!::GetOpenFileNameW(&choice)) return false;
  FFileName = path.data();
  return true;
}
