// The launcher from the keyboard: the global hotkey, type-to-find in a long menu, and the
// shell's menu placed where a keyboard choice was made.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <vector>

#include "folder/menu_folder.h"
#include "framework/application.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "framework/timer.h"
#include "launcher_fixture.h"
#include "settings/win_setting.h"
#include "support/message_pump.h"
#include "support/settings_host.h"
#include "support/user_input.h"

namespace {

// Steps run from a timer, one per tick while a menu is open; a menu still open after them,
// or after eight seconds, is ended.
std::vector<std::function<void(HWND)>> Steps;
unsigned long long StepsDeadline = 0;

void CALLBACK NextStep(HWND, UINT, UINT_PTR, DWORD) {
  const HWND menu = OwnMenuWindow();
  if (!menu) return;
  if (Steps.empty() || NowMs() > StepsDeadline) {
    ::EndMenu();
    return;
  }
  const auto step = Steps.front();
  Steps.erase(Steps.begin());
  step(menu);
}

class TMenuSteps {
public:
  explicit TMenuSteps(std::vector<std::function<void(HWND)>> steps) {
    Steps = std::move(steps);
    StepsDeadline = NowMs() + 8000;
    FTimer = ::SetTimer(nullptr, 0, 300, NextStep);
  }
  ~TMenuSteps() {
    ::KillTimer(nullptr, FTimer);
    Steps.clear();
  }
  TMenuSteps(const TMenuSteps&) = delete;
  TMenuSteps& operator=(const TMenuSteps&) = delete;

private:
  UINT_PTR FTimer;
};

void SendKeys(std::initializer_list<WORD> keys) {
  HoldKeys(keys);
  ReleaseKeys(keys);
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

class KeyboardLaunchTest : public LauncherTest {
protected:
  void SetUp() override {
    LauncherTest::SetUp();
    win->HiTimer().SetEnabled(false);
    ::SetCursorPos(230, 170);
  }
};

TEST_F(KeyboardLaunchTest, TheHotkeyOpensTheMenuAtThePointerAndThenClosesIt) {
  WriteFile(L"notes.txt");
  win->RebuildMenu();
  win->ApplyHotkey(THotkey{hmCtrl | hmAlt, VK_F8});
  ASSERT_TRUE(win->HotkeyRegistered());

  RECT place{};
  unsigned long long secondPress = 0;
  bool reopened = false;
  bool held = false;
  // The second press as a hand makes it: the modifiers first, the key a moment later.
  TMenuSteps steps({[&](HWND menu) {
                      ::GetWindowRect(menu, &place);
                      HoldKeys({VK_CONTROL, VK_MENU});
                      held = true;
                    },
                    [&](HWND) {
                      secondPress = NowMs();
                      PressKey(VK_F8);
                      ReleaseKeys({VK_CONTROL, VK_MENU});
                      held = false;
                    },
                    [&](HWND) { reopened = true; }});
  SendKeys({VK_CONTROL, VK_MENU, VK_F8});
  const bool closed = PumpUntil([&] { return secondPress != 0 && !InMenuMode() && !OwnMenuWindow(); }, 6000);
  if (held) ReleaseKeys({VK_CONTROL, VK_MENU});
  ASSERT_TRUE(closed) << "the menu closed before the second press was whole";
  EXPECT_LT(NowMs() - secondPress, 2000u) << "the second press did not close the menu";
  PumpFor(1000);
  EXPECT_FALSE(reopened) << "the second press closed the menu and opened it again";
  EXPECT_NEAR(place.left, 230, 2);
  EXPECT_NEAR(place.top, 170, 2);

  win->ApplyHotkey(THotkey{});  // given back: another window may take it now
  EXPECT_FALSE(win->HotkeyRegistered());
  EXPECT_TRUE(::RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, VK_F8));
  ::UnregisterHotKey(nullptr, 7);
}

TEST_F(KeyboardLaunchTest, ACombinationAnotherProgramHoldsIsReportedAndEverySettingKept) {
  const std::wstring ready = L"TamarindHotkeyHolderReady";
  HANDLE readyEvent = ::CreateEventW(nullptr, TRUE, FALSE, ready.c_str());
  std::wstring command = L"\"" + FolderOf(ExecutablePath()) + L"\\hotkey_holder.exe\" " + ready;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION holder{};
  ASSERT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &holder));
  EXPECT_EQ(::WaitForSingleObject(readyEvent, 5000), WAIT_OBJECT_0);

  const std::wstring exe = MenuPath(L"tamarind.exe");
  {
    std::ofstream ini(std::filesystem::path(MenuPath(L"Tamarind.ini")), std::ios::binary);
    ini << "[Menu]\r\nVertNum=7\r\n[Banner]\r\nCaption=Mine\r\n[Hotkey]\r\nKey=Ctrl+Alt+F7\r\n";
  }
  const TQuietSettingsHost host(exe);
  std::vector<std::wstring> messages;
  Application().OnException = [&](const std::wstring& message) { messages.push_back(message); };
  TWinSetting& dialog = win->CreateSettingsDialog(host);
  Application().OnException = nullptr;
  EXPECT_EQ(messages, std::vector<std::wstring>{L"Ctrl+Alt+F7 は他のプログラムが使っています"});
  EXPECT_FALSE(win->HotkeyRegistered());
  EXPECT_EQ(dialog.ColumnLength(), 7);
  dialog.SaveSettings();
  std::ifstream saved(std::filesystem::path(MenuPath(L"Tamarind.ini")), std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(saved), std::istreambuf_iterator<char>()};
  EXPECT_NE(text.find("VertNum=7\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Caption=Mine\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[Hotkey]\r\nKey=Ctrl+Alt+F7\r\n"), std::string::npos) << text;  // tried again next start

  ::TerminateProcess(holder.hProcess, 0);
  ::WaitForSingleObject(holder.hProcess, 5000);
  ::CloseHandle(holder.hThread);
  ::CloseHandle(holder.hProcess);
  ::CloseHandle(readyEvent);
  TComponentDeleter{}(&dialog);
}

TEST_F(KeyboardLaunchTest, TypingFindsAnItemInTheSecondColumnOfALongMenuAndEnterOpensIt) {
  settings.SetSplitColumns(true);
  settings.SetColumnLength(20);
  settings.SetShowIcons(false);
  for (int i = 0; i < 25; ++i) WriteFile(L"a" + std::to_wstring(100 + i) + L".txt");
  for (int i = 0; i < 274; ++i) WriteFile(L"s" + std::to_wstring(100 + i) + L".txt");
  const std::wstring marker = MenuPath(L"opened.txt");
  const std::wstring script = WriteFile(L"..\\open-report.bat", "@echo opened > \"" + std::string(marker.begin(), marker.end()) + "\"\r\n");
  SaveShellLink(MenuPath(L"report.txt.lnk"), script);
  win->RebuildMenu();
  TMenuItem* report = FindCaption(Root(), L"report.txt");
  ASSERT_NE(report, nullptr);
  const int position = Root().PlatformPosition(*report);
  EXPECT_EQ(position / 20, 1) << "not in the second column";

  std::optional<int> found;
  RECT item{}, menuPlace{}, first{};
  TMenuSteps steps({[](HWND menu) {
                      for (wchar_t c : std::wstring(L"rep")) ::PostMessageW(menu, WM_CHAR, c, 0);
                    },
                    [&](HWND menu) {
                      found = HighlightedPosition(win->MainMenu().Handle());
                      ::GetMenuItemRect(nullptr, win->MainMenu().Handle(), static_cast<UINT>(position), &item);
                      ::GetMenuItemRect(nullptr, win->MainMenu().Handle(), 0, &first);
                      ::GetWindowRect(menu, &menuPlace);
                      ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
                    }});
  ::SendMessageW(win->Handle(), TWinMain::WM_GESTUREPOPUP, 0, 0);
  EXPECT_EQ(found, position);
  EXPECT_GE(item.left, first.right) << "the found item is not right of the first column";
  EXPECT_TRUE(item.left >= menuPlace.left && item.right <= menuPlace.right && item.bottom <= menuPlace.bottom);
  EXPECT_LE(item.right, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_TRUE(PumpUntil([&] { return Exists(marker); }, 8000)) << "Enter did not open report.txt";
  EXPECT_TRUE(WaitForConsoleProgramsToEnd());
  ::DeleteFileW(script.c_str());
}

TEST_F(KeyboardLaunchTest, ShiftEnterInTheTrayOpenedMenuShowsTheShellsMenuBesideTheItem) {
  WriteFile(L"first.txt");
  WriteFile(L"second.txt");
  win->RebuildMenu();
  ASSERT_EQ(win->Left(), -1);  // parked, as while the tray opens the menu
  RECT item{}, shellMenu{};
  std::optional<int> highlighted;
  bool inShellMenu = false;
  std::optional<THeldShift> shift;
  TMenuSteps steps({[](HWND menu) {
                      ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
                      ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
                    },
                    [&](HWND menu) {
                      highlighted = HighlightedPosition(win->MainMenu().Handle());
                      if (highlighted)
                        ::GetMenuItemRect(nullptr, win->MainMenu().Handle(), static_cast<UINT>(*highlighted), &item);
                      shift.emplace();
                      ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
                    },
                    [&](HWND menu) {
                      inShellMenu = true;
                      ::GetWindowRect(menu, &shellMenu);
                      shift.reset();
                      ::EndMenu();
                    }});
  win->MainMenu().Popup(300, 200);
  PumpUntil([&] { return inShellMenu; }, 6000);
  ASSERT_TRUE(inShellMenu) << "no shell menu; highlighted before Enter: " << highlighted.value_or(-1)
                           << ", Shift then " << (::GetKeyState(VK_SHIFT) < 0 ? "down" : "up");
  EXPECT_FALSE(shellMenu.left < 50 && shellMenu.top < 50) << "at the screen's corner";
  EXPECT_NEAR(shellMenu.left, item.right, 4);
  EXPECT_NEAR(shellMenu.top, item.top, 4);
}
