#include "launcher_fixture.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <fstream>

#include "app/icon_fetcher.h"
#include "folder/dir_monitor.h"
#include "folder/file_list.h"
#include "folder/menu_folder.h"
#include "framework/com_ptr.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "framework/timer.h"
#include "menu/popup_cool.h"
#include "support/message_pump.h"

namespace {

constexpr UINT WM_TEST_CANCEL = WM_USER + 0x200;

bool MenuSeen = false;

void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (InMenuMode()) {
    MenuSeen = true;
    ::EndMenu();
  }
}

}  // namespace

HWND OwnMenuWindow() {
  for (HWND window = ::FindWindowExW(nullptr, nullptr, L"#32768", nullptr); window;
       window = ::FindWindowExW(nullptr, window, L"#32768", nullptr)) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window)) return window;
  }
  return nullptr;
}

void SaveShellLink(const std::wstring& shortcut, const std::wstring& target) {
  TComPtr<IShellLinkW> link;
  ASSERT_HRESULT_SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid()));
  ASSERT_HRESULT_SUCCEEDED(link->SetPath(target.c_str()));
  const TComPtr<IPersistFile> file = link.As<IPersistFile>();
  ASSERT_TRUE(file);
  ASSERT_HRESULT_SUCCEEDED(file->Save(shortcut.c_str(), TRUE));
}

void LauncherTest::SetUpTestSuite() {
  ::OleInitialize(nullptr);
  WaitForTrayHost();
}

void LauncherTest::TearDownTestSuite() { ::OleUninitialize(); }

void LauncherTest::SetUp() {
  menuFolder = MenuFolderPath(ExecutablePath());
  RemoveTree(menuFolder);
  win.reset(new TWinMain(nullptr));
  win->FormCreate(win.get());  // makes the menu folder
  win->DirMon().SetActive(false);
  win->SetMenuBuildSettings(&settings);
  win->SetMessageHandler(WM_TEST_CANCEL, [this](TMessage&) { win->FormDeactivate(win.get()); });
}

void LauncherTest::TearDown() {
  win.reset();
  RemoveTree(menuFolder);
}

TMenuItem& LauncherTest::Root() const { return win->MainMenu().Items(); }

std::vector<std::wstring> LauncherTest::VisibleCaptions(const TMenuItem& item) {
  std::vector<std::wstring> captions;
  for (int i = 0; i < item.Count(); ++i) {
    if (item.Items(i)->Visible()) captions.push_back(item.Items(i)->Caption());
  }
  return captions;
}

TMenuItem* LauncherTest::FindCaption(const TMenuItem& item, const std::wstring& caption) {
  for (int i = 0; i < item.Count(); ++i) {
    if (item.Items(i)->Caption() == caption) return item.Items(i);
  }
  return nullptr;
}

void LauncherTest::PostCancel() const { ::PostMessageW(win->Handle(), WM_TEST_CANCEL, 0, 0); }

bool LauncherTest::WaitForListing() const {
  return PumpUntil([this] { return win->Folders().Target() == nullptr; }, 10000);
}

void LauncherTest::Open(TMenuItem& folder) const {
  win->PCMainMenuSelect(&folder, L"");
  EXPECT_TRUE(WaitForListing()) << "no listing came for a submenu";
}

TFolderListing LauncherTest::Listing(const std::wstring& folder) const {
  return ListFolder(folder, {win->FileList().FileType(), win->FileList().Mask()});
}

namespace {

// The steps still to run in the open menu, one at each tick of a timer.
std::vector<std::function<void()>> MenuSteps;

void CALLBACK NextMenuStep(HWND, UINT, UINT_PTR, DWORD) {
  if (MenuSteps.empty()) return;
  const std::function<void()> step = MenuSteps.front();
  MenuSteps.erase(MenuSteps.begin());
  step();
}

}  // namespace

void LauncherTest::RunInOpenMenu(std::vector<std::function<void()>> steps) const {
  MenuSteps = std::move(steps);
  win->HiTimer().SetEnabled(false);
  ::SetCursorPos(200, 150);
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 250, NextMenuStep);
  ::SendMessageW(win->Handle(), TWinMain::WM_GESTUREPOPUP, 0, 0);
  ::KillTimer(nullptr, timer);
  MenuSteps.clear();
}

bool LauncherTest::WaitForIcons() const {
  return PumpUntil([this] { return !win->Icons().Awaited(); }, 10000);
}

int LauncherTest::IconIndexOf(const std::wstring& path) const {
  const TComponentPtr<TMenuItem> item = MakeComponent<TMenuItem>();
  item->SetHint(path);
  win->Icons().Fetch(*item);
  EXPECT_TRUE(WaitForIcons()) << "no icon came for a file";
  return win->PCMain().ItemImageIndex(*item);
}

std::wstring LauncherTest::MenuPath(const std::wstring& relative) const {
  return relative.empty() ? menuFolder : menuFolder + L"\\" + relative;
}

std::wstring LauncherTest::WriteFile(const std::wstring& relative, const std::string& content) const {
  const std::wstring path = MenuPath(relative);
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  ::CloseHandle(file);
  return path;
}

std::wstring LauncherTest::MakeFolder(const std::wstring& relative) const {
  const std::wstring path = MenuPath(relative);
  ::CreateDirectoryW(path.c_str(), nullptr);
  return path;
}

void LauncherTest::FillWithMixedEntries(int entries) const {
  const std::wstring program = ExecutablePath();
  for (int i = 0; i < entries; ++i) {
    const std::wstring name = L"entry" + std::to_wstring(i);
    switch (i % 5) {
      case 0:
        ASSERT_TRUE(::CopyFileW(program.c_str(), MenuPath(name + L".exe").c_str(), FALSE));
        break;
      case 1:
        SaveShellLink(MenuPath(name + L".lnk"), program);
        break;
      case 2:
        MakeFolder(name);
        WriteFile(name + L"\\inside.txt");
        break;
      default:
        WriteFile(name + (i % 5 == 3 ? L".txt" : L".ext" + std::to_wstring(i)));
    }
  }
}

bool OpensAMenu(const std::function<void()>& open) {
  MenuSeen = false;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 30, CloseOpenMenu);
  open();
  PumpUntil([] { return MenuSeen; }, 3000);
  ::KillTimer(nullptr, timer);
  return MenuSeen;
}
