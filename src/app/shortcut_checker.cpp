#include "app/shortcut_checker.h"

#include <memory>
#include <utility>

#include "framework/posted_answer.h"

namespace {

constexpr UINT WM_CHECKED = WM_APP + 1;

}  // namespace

TShortcutChecker::TShortcutChecker(TResolver resolver, std::function<void()> onChanged)
    : FResolver(std::move(resolver)), FOnChanged(std::move(onChanged)) {
  TWindowParams params;
  params.ClassName = L"TShortcutChecker";
  params.Parent = HWND_MESSAGE;
  CreateHandle(params);
}

void TShortcutChecker::Apply(TFolderListing& listing) {
  auto check = std::make_unique<TCheck>();
  check->Generation = ++FGeneration;
  for (TListedEntry& listed : listing.Entries) {
    if ((listed.Entry.Attr & FILE_ATTRIBUTE_DIRECTORY) || !IsShortcutPath(listed.Entry.Name)) continue;
    check->Shortcuts.push_back(listed.Entry.Name);
    if (const auto known = FFolders.find(listed.Entry.Name); known != FFolders.end())
      listed.FolderTarget = known->second;
  }
  FQueues.DropWaiting();  // an older check's answer would be dropped anyway
  if (check->Shortcuts.empty()) {
    FFolders.clear();
    return;
  }
  const std::wstring queue = QueueOf(check->Shortcuts.front());
  FQueues.Post(queue, [resolver = FResolver, window = Handle(), check = std::shared_ptr<TCheck>(std::move(check))] {
    auto answer = std::make_unique<TCheck>(*check);
    for (const std::wstring& shortcut : answer->Shortcuts) answer->Folders.push_back(resolver(shortcut));
    PostAnswer(window, WM_CHECKED, std::move(answer));
  });
}

bool TShortcutChecker::Keep(const TCheck& check) {
  std::unordered_map<std::wstring, std::wstring> folders;
  bool changed = false;
  for (size_t k = 0; k < check.Shortcuts.size(); ++k) {
    const auto known = FFolders.find(check.Shortcuts[k]);
    changed = changed || check.Folders[k] != (known == FFolders.end() ? std::wstring() : known->second);
    folders.emplace(check.Shortcuts[k], check.Folders[k]);
  }
  FFolders = std::move(folders);
  return changed;
}

LRESULT TShortcutChecker::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_CHECKED) return TWindow::WndProc(message, wParam, lParam);
  const std::unique_ptr<TCheck> check = ReceivedAnswer<TCheck>(lParam);
  if (check->Generation != FGeneration)
    ++FStaleChecks;
  else if (Keep(*check))
    FOnChanged();  // the menu rebuilds, once any open menu has closed
  return 0;
}
