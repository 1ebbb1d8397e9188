// The Send To submenu filled from the prefix's own Send To folder, holding three shortcuts.
#include <shlobj.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/com_ptr.h"
#include "shell/menu_driver.h"
#include "shell/send_to.h"
#include "shell/shell_test_support.h"

namespace {

std::wstring SendToPath() {
  wchar_t path[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, CSIDL_SENDTO | CSIDL_FLAG_CREATE, nullptr, 0, path);
  return path;
}

// The display names of the Send To folder's non-folder entries, in the shell's order, read
// the way the shell's own helpers read them.
std::vector<std::wstring> SendToNamesByTheShell() {
  std::vector<std::wstring> names;
  TComPtr<IShellFolder> desktop;
  ::SHGetDesktopFolder(desktop.Put());
  ITEMIDLIST* location = nullptr;
  ::SHGetSpecialFolderLocation(nullptr, CSIDL_SENDTO, &location);
  TComPtr<IShellFolder> sendTo;
  desktop->BindToObject(location, nullptr, IID_IShellFolder, sendTo.PutVoid());
  ::CoTaskMemFree(location);
  TComPtr<IEnumIDList> entries;
  sendTo->EnumObjects(nullptr, SHCONTF_NONFOLDERS, entries.Put());
  ITEMIDLIST* entry = nullptr;
  while (entries && entries->Next(1, &entry, nullptr) == S_OK) {
    STRRET name{};
    wchar_t* text = nullptr;
    if (SUCCEEDED(sendTo->GetDisplayNameOf(entry, SHGDN_NORMAL, &name)) && SUCCEEDED(::StrRetToStrW(&name, entry, &text))) {
      names.emplace_back(text);
      ::CoTaskMemFree(text);
    }
    ::CoTaskMemFree(entry);
  }
  return names;
}

std::wstring ItemText(HMENU menu, int position) {
  wchar_t text[256] = {};
  ::GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
  return text;
}

class SendTo : public ShellTest {
protected:
  SendTo() {
    targets = folder.MakeFolder(L"targets");
    for (const wchar_t* name : {L"Alpha", L"ベータ", L"Gamma"}) {
      const std::wstring link = sendToFolder + L"\\" + name + L".lnk";
      MakeShortcut(link, folder.MakeFolder(std::wstring(L"targets\\") + name));
      links.push_back(link);
    }
  }
  ~SendTo() override {
    for (const std::wstring& link : links) ::DeleteFileW(link.c_str());
  }

  // A shell-like menu: a Send To item whose submenu holds the shell's placeholder.
  TMenuHandle ShellLikeMenu(const wchar_t* sendToText) {
    TMenuHandle menu(::CreatePopupMenu());
    const HMENU submenu = ::CreatePopupMenu();
    ::AppendMenuW(submenu, MF_STRING, 900, L"(placeholder)");
    ::AppendMenuW(menu.Get(), MF_STRING, 26, L"コピー(&C)");
    ::AppendMenuW(menu.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), sendToText);
    return menu;
  }

  const std::wstring sendToFolder = SendToPath();
  std::wstring targets;
  std::vector<std::wstring> links;
};

TEST_F(SendTo, SubmenuShowsTheEntriesInEnumerationOrder) {
  const std::vector<std::wstring> names = SendToNamesByTheShell();
  ASSERT_EQ(names.size(), 3u) << "the test prefix's Send To folder should hold only the test's shortcuts";
  const TMenuHandle menu = ShellLikeMenu(L"送る(&N)");
  EXPECT_EQ(FillSendToMenu(window.Get(), menu.Get()), 3);
  const HMENU submenu = ::GetSubMenu(menu.Get(), 1);
  ASSERT_EQ(::GetMenuItemCount(submenu), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(ItemText(submenu, i), L" " + names[i]);
    EXPECT_EQ(::GetMenuItemID(submenu, i), SendToFirstCommand + i);
  }
  EXPECT_NE(names[0].find(L"Alpha"), std::wstring::npos);
}

TEST_F(SendTo, TheOlderMarkerIsRecognisedAndOthersAreNot) {
  const TMenuHandle older = ShellLikeMenu(L"送信(&T)");
  EXPECT_EQ(FillSendToMenu(window.Get(), older.Get()), 3);

  // "(&N)" elsewhere than byte 5, or no submenu: the menu is left as it was.
  const TMenuHandle english = ShellLikeMenu(L"Send To (&N)");
  EXPECT_EQ(FillSendToMenu(window.Get(), english.Get()), std::nullopt);
  EXPECT_EQ(ItemText(::GetSubMenu(english.Get(), 1), 0), L"(placeholder)");
  const TMenuHandle flat(::CreatePopupMenu());
  ::AppendMenuW(flat.Get(), MF_STRING, 30, L"送る(&N)");
  EXPECT_EQ(FillSendToMenu(window.Get(), flat.Get()), std::nullopt);
}

TEST_F(SendTo, ChoicesMapOnlyToTheArmedEntries) {
  EXPECT_EQ(SendToEntryOf(1525, 3), 0);
  EXPECT_EQ(SendToEntryOf(1527, 3), 2);
  EXPECT_EQ(SendToEntryOf(1528, 3), std::nullopt);
  EXPECT_EQ(SendToEntryOf(1524, 3), std::nullopt);
  EXPECT_EQ(SendToEntryOf(26, 3), std::nullopt);
  EXPECT_EQ(SendToEntryOf(1525, 0), std::nullopt);
}

// This shell's shortcut menu has no paste item, so the paste is refused and nothing lands in
// the target; beyond the last entry there is nothing to paste into.
TEST_F(SendTo, AnEntryWithoutAPasteItemGetsNothing) {
  const TMenuDriver user;  // closes whatever a wrongly invoked command would show
  SetClipboardText(L"nothing to paste");
  EXPECT_FALSE(SendToInvoke(window.Get(), 1));
  EXPECT_FALSE(SendToInvoke(window.Get(), 3));
  EXPECT_FALSE(SendToInvoke(window.Get(), -1));
  EXPECT_TRUE(std::filesystem::is_empty(targets + L"\\ベータ"));
  EXPECT_TRUE(user.Boxes().empty());
}

}  // namespace
