// Whatever a user drops into the menu folder, and whatever happens to it meanwhile, the menu
// keeps working: no error box, no crash, no endless rebuilding.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <thread>

#include "folder/dir_monitor.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "launcher_fixture.h"
#include "menu/popup_cool.h"
#include "support/message_pump.h"
#include "support/test_forms.h"

namespace {

constexpr UINT WM_TEST_DURING_FILL = WM_USER + 0x210;
constexpr UINT WM_TEST_PING = WM_USER + 0x211;
constexpr wchar_t OpenFolder[] = L"このフォルダを開く";

bool LongRun() { return std::getenv("TAMARIND_LONG_TESTS") != nullptr; }
// Seconds of continuous writing: a few in the regular run, a full minute in the long one.
int WriterSeconds() { return LongRun() ? 60 : 6; }

std::wstring Numbered(const wchar_t* prefix, int i) {
  wchar_t name[32];
  std::swprintf(name, std::size(name), L"%ls%05d.txt", prefix, i);
  return name;
}

// Makes a file of any path length; false when the system refuses it.
bool WriteLongPath(const std::wstring& path, const std::string& content = "") {
  HANDLE file = ::CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  ::CloseHandle(file);
  return true;
}

void WriteEmptyFiles(const std::wstring& folder, const wchar_t* prefix, int count) {
  for (int i = 0; i < count; ++i) ASSERT_TRUE(WriteLongPath(folder + L"\\" + Numbered(prefix, i)));
}

int CountVisible(const TMenuItem& item) {
  int count = 0;
  for (int i = 0; i < item.Count(); ++i) count += item.Items(i)->Visible();
  return count;
}

}  // namespace

class HostileFolderTest : public LauncherTest {
protected:
  TMenuItem& Submenu(const std::wstring& caption) const {
    TMenuItem* item = FindCaption(Root(), caption);
    EXPECT_NE(item, nullptr) << "no item " << testing::PrintToString(caption);
    return item ? *item : Root();
  }
  // As highlighting the item does.
  void Highlight(TMenuItem& item) { Open(item); }

  TErrorBoxCapture errors;
};

// Making and deleting the files takes most of the time under Wine: the regular run lists 2500.
TEST_F(HostileFolderTest, TenThousandEntriesAtTheTopAndInASubmenu) {
  const int Entries = LongRun() ? 10000 : 2500;
  WriteEmptyFiles(menuFolder, L"top", Entries);
  WriteEmptyFiles(MakeFolder(L"Big"), L"inside", Entries);

  unsigned long long start = NowMs();
  win->RebuildMenu();
  const unsigned long long rebuildMs = NowMs() - start;
  // <Big>, the files, the separator and Cancel.
  EXPECT_EQ(CountVisible(Root()), Entries + 3);
  EXPECT_EQ(Root().Items(Root().Count() - 1)->Caption(), L"キャンセル");

  start = NowMs();
  Highlight(Submenu(L"<Big>"));
  const unsigned long long fillMs = NowMs() - start;
  EXPECT_EQ(CountVisible(Submenu(L"<Big>")), Entries + 1);  // with its open-this-folder item
  EXPECT_EQ(Submenu(L"<Big>").Tag(), -1);

  start = NowMs();
  EXPECT_TRUE(OpensAMenu([&] { win->MainMenu().Popup(5, 5); }));
  const unsigned long long openMs = NowMs() - start;
  std::printf("%d entries: rebuild %llu ms, submenu fill %llu ms, open and close %llu ms\n", Entries, rebuildMs, fillMs, openMs);
  EXPECT_TRUE(errors.Messages.empty());
  EXPECT_TRUE(win->Ready());
}

TEST_F(HostileFolderTest, NamesOutsideTheJapaneseCodePage) {
  const std::wstring hangul = L"한국어 문서.txt";
  const std::wstring emoji = L"🎉 party 🦀.html";
  const std::wstring combining = L"Cafe\u0301 n\u0303 a\u0308\u0301.doc";
  const std::wstring folder = L"📁 Ünï\u0301 폴더";
  WriteFile(hangul);
  WriteFile(emoji);
  WriteFile(combining);
  MakeFolder(folder);
  WriteFile(folder + L"\\" + emoji);
  // Wine's shell links keep their target in the ANSI code page, so the shortcut leads to a
  // folder whose name survives that.
  SaveShellLink(MenuPath(L"링크 🔗.lnk"), MakeFolder(L"Plain"));
  SaveShellLink(MenuPath(L"프로그램 ✨.lnk"), ExecutablePath());

  win->RebuildMenu();
  const std::wstring submenu = L"<" + folder + L">";
  // The shortcut to a folder becomes a submenu once its check has come back.
  const std::vector<std::wstring> expected{L"<Plain>", submenu,      L"<Plain>", combining,    emoji,
                                           L"프로그램 ✨", hangul, L"-",       L"キャンセル"};
  EXPECT_TRUE(PumpUntil([&] { return VisibleCaptions(Root()) == expected; }, 5000));
  EXPECT_EQ(VisibleCaptions(Root()), expected);
  EXPECT_EQ(FindCaption(Root(), combining)->Hint(), MenuPath(combining));
  Highlight(Submenu(submenu));
  EXPECT_EQ(VisibleCaptions(Submenu(submenu)), (std::vector<std::wstring>{OpenFolder, emoji}));
  // Every file item got its picture: four at the top, one in the submenu.
  EXPECT_EQ(win->PCMain().ItemImages().Count(), 5);
  EXPECT_TRUE(OpensAMenu([&] { win->MainMenu().Popup(5, 5); }));
  EXPECT_TRUE(errors.Messages.empty());
}

TEST_F(HostileFolderTest, PathsLongerThanMaxPath) {
  // A chain of folders whose deepest members lie far beyond 260 characters, with a program, a
  // shortcut and a document at every depth, and names as long as the file system allows.
  const std::wstring segment(60, L'd');
  std::wstring relative;
  for (int depth = 0; depth < 6; ++depth) {
    relative += (depth ? L"\\" : L"") + segment + std::to_wstring(depth);
    const std::wstring folder = L"\\\\?\\" + MenuPath(relative);
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr)) << depth;
    ASSERT_TRUE(::CopyFileW(ExecutablePath().c_str(), (folder + L"\\tool.exe").c_str(), FALSE));
    ASSERT_TRUE(WriteLongPath(MenuPath(relative) + L"\\" + std::wstring(200, L'n') + L".lnk", "no shortcut"));
  }
  const std::wstring longName = std::wstring(240, L'x') + L".txt";
  ASSERT_TRUE(WriteLongPath(MenuPath(longName)));

  win->RebuildMenu();
  EXPECT_NE(FindCaption(Root(), longName), nullptr);
  TMenuItem* item = &Root();
  int reached = 0;
  // Down the chain as far as the system lists it; a folder it cannot list is an empty submenu.
  for (int depth = 0; depth < 6; ++depth) {
    item = FindCaption(*item, L"<" + segment + std::to_wstring(depth) + L">");
    if (!item) break;
    Highlight(*item);
    EXPECT_EQ(item->Tag(), -1);
    reached = depth + 1;
  }
  std::printf("submenus reached down the chain: %d of 6 (deepest path %zu characters)\n", reached,
              MenuPath(relative).size());
  EXPECT_GE(reached, 3);  // everything within the classic limit, at least
  EXPECT_TRUE(OpensAMenu([&] { win->MainMenu().Popup(5, 5); }));
  EXPECT_TRUE(errors.Messages.empty());
  EXPECT_TRUE(win->Ready());
}

TEST_F(HostileFolderTest, BrokenShortcutsAreOrdinaryItems) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) >> 3);
  WriteFile(L"Garbage.lnk", garbage);
  // The old-shortcut pattern followed by bytes that never end the path.
  WriteFile(L"Unended.lnk", std::string("\0\0WINDOWS\1\2\0", 12) + std::string(70000, '\xff'));
  WriteFile(L"Empty.lnk", "");
  const std::wstring locked = WriteFile(L"Locked.lnk", "\0\0WINDOWS\1\2\0C:\\");
  MakeFolder(L"Folder.lnk");  // a folder with a shortcut's name is still a folder
  WriteFile(L"zzz after.txt");
  HANDLE lock = ::CreateFileW(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);

  win->RebuildMenu();
  ::CloseHandle(lock);
  EXPECT_EQ(VisibleCaptions(Root()), (std::vector<std::wstring>{L"<Folder.lnk>", L"Empty", L"Garbage", L"Locked", L"Unended",
                                                                L"zzz after.txt", L"-", L"キャンセル"}));
  EXPECT_TRUE(OpensAMenu([&] { win->MainMenu().Popup(5, 5); }));
  EXPECT_TRUE(errors.Messages.empty());
  EXPECT_TRUE(win->Ready());
}

TEST_F(HostileFolderTest, FolderRenamedOrDeletedWhileItsSubmenuFills) {
  constexpr int Entries = 1500;
  WriteEmptyFiles(MakeFolder(L"Renamed"), L"r", Entries);
  WriteEmptyFiles(MakeFolder(L"Deleted"), L"d", Entries);
  win->RebuildMenu();
  TMenuItem& renamed = Submenu(L"<Renamed>");
  TMenuItem& deleted = Submenu(L"<Deleted>");

  // Inside the pass's first look at the queue, the folder goes away under it. The pass is given
  // its listing here: through a worker, the folder could go before it was listed.
  win->SetMessageHandler(WM_TEST_DURING_FILL, [&](TMessage&) {
    ASSERT_TRUE(::MoveFileW(MenuPath(L"Renamed").c_str(), MenuPath(L"Moved away").c_str()));
  });
  ::PostMessageW(win->Handle(), WM_TEST_DURING_FILL, 0, 0);
  win->FillListed(Listing(renamed.Hint()), renamed, false);
  EXPECT_EQ(renamed.Tag(), -1);
  EXPECT_TRUE(win->Ready());

  win->SetMessageHandler(WM_TEST_DURING_FILL, [&](TMessage&) {
    RemoveTree(MenuPath(L"Deleted"));
    PostCancel();  // and the user moves on before the pass ends
  });
  ::PostMessageW(win->Handle(), WM_TEST_DURING_FILL, 0, 0);
  win->FillListed(Listing(deleted.Hint()), deleted, false);
  EXPECT_NE(deleted.Tag(), -1);  // cancelled part way
  Highlight(deleted);  // highlighted again: the folder is gone, and the submenu keeps what it had
  EXPECT_NE(deleted.Tag(), -1);
  EXPECT_GE(deleted.Count(), 2);
  EXPECT_TRUE(win->Ready());
  EXPECT_TRUE(OpensAMenu([&] { win->MainMenu().Popup(5, 5); }));

  win->RebuildMenu();
  EXPECT_EQ(VisibleCaptions(Root()), (std::vector<std::wstring>{L"<Moved away>", L"-", L"キャンセル"}));
  EXPECT_TRUE(errors.Messages.empty());
  EXPECT_TRUE(win->Ready());
}

TEST_F(HostileFolderTest, MenuFolderDeletedAndMadeAgain) {
  WriteFile(L"before.txt");
  win->DirMon().SetActive(true);
  win->RebuildMenu();
  PumpFor(300);

  RemoveTree(menuFolder);
  ASSERT_TRUE(PumpUntil([&] { return FindCaption(Root(), L"before.txt") == nullptr; }, 3000));
  // The rebuild makes the folder again where it is gone, and says that it is empty.
  EXPECT_EQ(VisibleCaptions(Root()),
            (std::vector<std::wstring>{L"(メニューフォルダは空です)", L"登録フォルダを開く", L"-", L"キャンセル"}));
  EXPECT_TRUE(OpensAMenu([&] { win->MainMenu().Popup(5, 5); }));

  // Windows lets the folder go once the deletion is reported, and the rebuild makes it again;
  // Wine reports no deletion of the watched folder itself and keeps it, empty, until the watch
  // ends.
  if (!::CreateDirectoryW(menuFolder.c_str(), nullptr)) {
    ASSERT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    std::printf("the deleted menu folder is still there for the system (Wine keeps a watched folder)\n");
  }
  PumpFor(200);
  WriteFile(L"after.txt");
  EXPECT_TRUE(PumpUntil([&] { return FindCaption(Root(), L"after.txt") != nullptr; }, 4000));
  // And it goes on noticing.
  WriteFile(L"later.txt");
  EXPECT_TRUE(PumpUntil([&] { return FindCaption(Root(), L"later.txt") != nullptr; }, 3000));
  EXPECT_TRUE(errors.Messages.empty());
}

// A file rewritten every 100 ms: the menu follows it at most once per polling interval, and
// the message loop keeps answering.
TEST_F(HostileFolderTest, ContinuousWritesRebuildOncePerIntervalAndLeaveTheLoopResponsive) {
  for (int i = 0; i < 300; ++i) WriteFile(L"entry" + std::to_wstring(i) + L".txt");
  win->DirMon().SetActive(true);
  win->RebuildMenu();
  PumpFor(1200);  // the creations above are delivered and done with

  int changes = 0;
  win->DirMon().OnChange = [&](TComponent* sender) {
    ++changes;
    win->DirMonChange(sender);
  };
  // Each rebuild makes a new Cancel item; the test marks the one it has seen.
  constexpr std::int32_t Seen = 0x5EE;
  const auto cancelItem = [&]() -> TMenuItem& { return *Root().Items(Root().Count() - 1); };
  cancelItem().SetTag(Seen);
  int rebuilds = 0;
  unsigned long long worstPingMs = 0;
  win->SetMessageHandler(WM_TEST_PING, [&](TMessage& message) {
    worstPingMs = std::max<unsigned long long>(worstPingMs, ::GetTickCount() - static_cast<DWORD>(message.LParam));
  });

  std::atomic<bool> writing = true;
  const HWND window = win->Handle();
  const std::wstring rewritten = MenuPath(L"rewritten.log");
  std::thread writer([&] {
    for (int i = 0; writing; ++i) {
      HANDLE file = ::CreateFileW(rewritten.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
      const std::string text = "line " + std::to_string(i) + std::string(static_cast<size_t>(i % 50), '.');
      DWORD written = 0;
      ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
      ::CloseHandle(file);
      ::PostMessageW(window, WM_TEST_PING, 0, static_cast<LPARAM>(::GetTickCount()));
      ::Sleep(100);
    }
  });
  const unsigned long long start = NowMs();
  const unsigned long long durationMs = static_cast<unsigned long long>(WriterSeconds()) * 1000;
  PumpUntil(
      [&] {
        if (cancelItem().Tag() != Seen) {
          ++rebuilds;
          cancelItem().SetTag(Seen);
        }
        return NowMs() - start >= durationMs;
      },
      static_cast<unsigned>(durationMs + 1000));
  writing = false;
  writer.join();

  const int intervals = static_cast<int>(durationMs / static_cast<unsigned>(TDirMonitor::Interval()));
  std::printf("%d s of writes every 100 ms: %d change notices, %d rebuilds in %d intervals; slowest ping %llu ms\n",
              WriterSeconds(), changes, rebuilds, intervals, worstPingMs);
  EXPECT_LE(changes, intervals + 1);
  EXPECT_LE(rebuilds, changes);
  EXPECT_GE(rebuilds, intervals / 2);  // it does keep following the folder
  EXPECT_LT(worstPingMs, 500u);
  EXPECT_NE(FindCaption(Root(), L"rewritten.log"), nullptr);
  EXPECT_TRUE(errors.Messages.empty());
}
