// Choosing a file item of the launcher menu: it opens through the shell in its own folder, or,
// with Shift held, the shell's context menu of the file comes up where the main window stands.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/menu_item.h"
#include "launcher_fixture.h"
#include "support/message_pump.h"
#include "support/user_input.h"

namespace {

// A batch file that writes the folder it runs in into "here.txt" there.
constexpr char WhereAmI[] = "@cd > here.txt\r\n";

std::wstring FirstLineOf(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const std::string line = text.substr(0, text.find_first_of("\r\n"));
  return std::wstring(line.begin(), line.end());  // the test's paths are ASCII
}

// Shift held down, as this thread's keyboard state tells it, while the object lives.
// The first menu seen open: where its window stood and how many items it held. It is closed
// as soon as it has been seen.
struct TShownMenu {
  bool Seen = false;
  RECT Place{};
  int Items = 0;
};
TShownMenu Shown;

void CALLBACK RecordAndCloseMenu(HWND, UINT, UINT_PTR, DWORD) {
  const HWND popup = OwnMenuWindow();
  if (!popup || Shown.Seen) return;
  Shown.Seen = true;
  ::GetWindowRect(popup, &Shown.Place);
  Shown.Items = ::GetMenuItemCount(reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0)));
  ::EndMenu();
}

}  // namespace

using ItemActivationTest = LauncherTest;

TEST_F(ItemActivationTest, AFileOpensThroughTheShellInItsOwnFolder) {
  MakeFolder(L"Tools");
  WriteFile(L"Tools\\where.bat", WhereAmI);
  win->RebuildMenu();
  TMenuItem& tools = *FindCaption(Root(), L"<Tools>");
  Open(tools);
  TMenuItem* where = FindCaption(tools, L"where.bat");
  ASSERT_NE(where, nullptr);

  where->Click();
  const std::wstring marker = MenuPath(L"Tools\\here.txt");
  EXPECT_TRUE(PumpUntil([&] { return !FirstLineOf(marker).empty(); }, 5000)) << "the batch file did not run";
  EXPECT_EQ(FirstLineOf(marker), MenuPath(L"Tools"));
  EXPECT_TRUE(WaitForConsoleProgramsToEnd());
}

TEST_F(ItemActivationTest, WithShiftHeldTheShellsMenuComesUpWhereTheMainWindowStands) {
  WriteFile(L"where.bat", WhereAmI);
  win->RebuildMenu();
  win->SetBounds(120, 90, 1, 1);
  Shown = {};
  {
    const THeldShift shift;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 30, RecordAndCloseMenu);
    FindCaption(Root(), L"where.bat")->Click();  // returns once the menu has closed
    ::KillTimer(nullptr, timer);
  }
  ASSERT_TRUE(Shown.Seen) << "no context menu";
  EXPECT_NEAR(Shown.Place.left, 120, 2);
  EXPECT_NEAR(Shown.Place.top, 90, 2);
  EXPECT_GT(Shown.Items, 3);  // the shell's own commands
  PumpFor(200);
  EXPECT_EQ(::GetFileAttributesW(MenuPath(L"here.txt").c_str()), INVALID_FILE_ATTRIBUTES) << "the file was opened too";
}
