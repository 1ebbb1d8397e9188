#include "search/recent_items.h"

#include <algorithm>
#include <memory>

#include "framework/posted_answer.h"
#include "framework/whole_file.h"
#include "search/recent_list.h"

namespace {

constexpr UINT WM_GONE = WM_APP + 1;

// Fifty paths of the longest kind, in UTF-8, fit with room to spare.
constexpr std::uint64_t MaxRecentFileBytes = 8 * 1024 * 1024;

// Gone only when its volume or share answers and the file is not there: an item on a drive
// unplugged or a share offline for now keeps its place.
bool IsGone(const std::wstring& path) {
  if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  const DWORD error = ::GetLastError();
  if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return false;
  std::wstring root(path.size() + 1, L'\0');
  if (!::GetVolumePathNameW(path.c_str(), root.data(), static_cast<DWORD>(root.size()))) return false;
  return ::GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TRecentItems::TRecentItems() {
  TWindowParams params;
  params.ClassName = L"TRecentItems";
  params.Parent = HWND_MESSAGE;
  CreateHandle(params);
}

void TRecentItems::Load(const std::wstring& file) {
  FFile = file;
  const TWholeFile read = ReadWholeFile(file, MaxRecentFileBytes);
  FPaths = read.Result == TFileReadResult::frRead ? ParseRecentItems(read.Bytes).Paths : std::vector<std::wstring>();
  for (const std::wstring& path : FPaths) {
    FQueues.Post(QueueOf(path), [window = Handle(), path] {
      if (IsGone(path)) PostAnswer(window, WM_GONE, std::make_unique<std::wstring>(path));
    });
  }
}

bool TRecentItems::Started(const std::wstring& path) {
  MoveToFront(FPaths, path);
  return Save();
}

bool TRecentItems::Save() const { return !FFile.empty() && ReplaceWholeFile(FFile, FormatRecentItems(FPaths)); }

LRESULT TRecentItems::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_GONE) return TWindow::WndProc(message, wParam, lParam);
  const auto gone = ReceivedAnswer<std::wstring>(lParam);
  if (std::erase(FPaths, *gone) > 0) Save();
  return 0;
}
