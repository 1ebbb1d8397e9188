#include "folder/file_list.h"

#include <windows.h>

#include <algorithm>

#include "folder/dos_date_time.h"
#include "framework/timer.h"
#include "framework/win_handle.h"

using namespace file_list_rules;

namespace {

constexpr unsigned DirBoxFollowInterval = 200;

std::uint32_t LocalDosTime(const FILETIME& utc) {
  FILETIME local;
  SYSTEMTIME st;
  if (!::FileTimeToLocalFileTime(&utc, &local) || !::FileTimeToSystemTime(&local, &st)) return 0;
  return PackDosDateTime(TDateTimeParts{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond});
}

// The user locale's case-insensitive sort key of `name`, as bytes that compare in order.
std::string SortKey(const std::wstring& name) {
  const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
  const int length = static_cast<int>(name.size());
  const int size = ::LCMapStringW(LOCALE_USER_DEFAULT, flags, name.c_str(), length, nullptr, 0);
  std::string key(static_cast<size_t>(size), '\0');
  ::LCMapStringW(LOCALE_USER_DEFAULT, flags, name.c_str(), length, reinterpret_cast<LPWSTR>(key.data()), size);
  return key;
}

}  // namespace

TFileList::TFileList(TComponent* owner) : TComponent(owner) {}

void TFileList::SetDirectory(const std::wstring& directory) {
  if (directory == FDirectory) return;
  FDirectory = directory;
  Refresh();
  DoDirChange();
}

void TFileList::Search(const std::wstring& directory, TFileType type, const std::vector<std::wstring>& mask) {
  const bool newDirectory = directory != FDirectory;
  FDirectory = directory;
  FFileType = type;
  FMask = mask;
  Refresh();
  if (newDirectory) DoDirChange();
}

void TFileList::SetFileType(TFileType type) {
  if (type == FFileType) return;
  FFileType = type;
  Refresh();
}

void TFileList::SetMask(const std::vector<std::wstring>& lines) {
  if (&lines == &FMask) return;
  FMask = lines;
  Refresh();
}

void TFileList::SetDirBox(TDirectorySource* dirBox) {
  if (FDirBox) CancelRemovalNotice(*FDirBox);
  FDirBox = dirBox;
  if (FDirBox) RequestRemovalNotice(*FDirBox);
  if (!Loading()) StartFollowing();
}

void TFileList::LoadFinished() { StartFollowing(); }

void TFileList::StartFollowing() {
  if (!FDirBox || FDirTimer) return;
  FDirTimer = &Make<TTimer>();
  FDirTimer->SetInterval(DirBoxFollowInterval);
  FDirTimer->OnTimer = [this](TComponent*) { FollowDirBox(); };
}

void TFileList::FollowDirBox() {
  if (FDirBox) SetDirectory(FDirBox->CurrentDirectory());
}

void TFileList::RemovalNotice(TComponent& component) {
  if (&component == FDirBox) FDirBox = nullptr;
}

void TFileList::GetInfo(size_t index, TFileEntry& entry) const {
  const TLine& line = FList.at(index);
  entry.Name = JoinPath(FDirectory, line.Name);
  entry.Size = static_cast<std::int32_t>(line.Info.Size);
  entry.Time = DosDateTimeToDateTime(line.Info.Time);
  entry.Attr = static_cast<std::int32_t>(line.Info.Attr);
}

void TFileList::Refresh() {
  FList.clear();
  if (FFileType.Empty()) return;
  const std::uint32_t attributeMask = AttributeMask(FFileType);
  for (const std::wstring& mask : FMask) SearchMask(mask, attributeMask);
  SortList();
}

void TFileList::SearchMask(const std::wstring& mask, std::uint32_t attributeMask) {
  WIN32_FIND_DATAW found;
  TFindHandle search(::FindFirstFileW(JoinPath(FDirectory, mask).c_str(), &found));
  if (!search) return;
  do {
    const std::uint32_t attributes = found.dwFileAttributes;
    if (!PassesSearch(attributes, attributeMask) || !IsListed(attributes, FFileType)) continue;
    FList.push_back(TLine{DisplayName(found.cFileName, attributes),
                          TInfo{LocalDosTime(found.ftLastWriteTime), found.nFileSizeLow, attributes}});
  } while (::FindNextFileW(search.Get(), &found));
}

void TFileList::SortList() {
  // Sort keys compare as CompareString would, but are made once per name instead of once per
  // comparison: a large folder sorts several times faster.
  std::vector<std::pair<std::string, TLine>> keyed;
  keyed.reserve(FList.size());
  for (TLine& line : FList) keyed.emplace_back(SortKey(line.Name), std::move(line));
  std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < keyed.size(); ++i) FList[i] = std::move(keyed[i].second);
}

void TFileList::DoDirChange() {
  if (OnDirChange) OnDirChange(this);
}

void TFileList::DoChange() {
  if (OnChange) OnChange(this);
}
