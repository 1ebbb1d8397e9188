// File icons of the launcher menu: shared by extension up to 1000 extensions, one image per
// file otherwise, reused while the file stays the same.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/icon_fetcher.h"
#include "framework/bitmap.h"
#include "framework/dpi.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "launcher_fixture.h"
#include "menu/popup_cool.h"
#include "support/test_pictures.h"
#include "tray/tray_icon.h"

namespace {

std::wstring Extension(int n) {
  // Three letters from a 26-letter alphabet: 17576 distinct extensions.
  std::wstring text = L"aaa";
  for (int i = 2; i >= 0; --i, n /= 26) text[static_cast<size_t>(i)] = static_cast<wchar_t>(L'a' + n % 26);
  return text;
}

// The 16 x 16 pixels that `draw` paints on white.
std::vector<COLORREF> PixelsOf(const std::function<void(TCanvas&)>& draw) {
  TBitmap picture;
  picture.SetSize(16, 16);
  draw(picture.Canvas());
  std::vector<COLORREF> pixels;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) pixels.push_back(PixelAt(picture, x, y));
  }
  return pixels;
}

std::vector<COLORREF> ImagePixels(const TImageList& images, int index) {
  return PixelsOf([&](TCanvas& canvas) { images.Draw(canvas, 0, 0, index); });
}

}  // namespace

using IconCacheTest = LauncherTest;

TEST_F(IconCacheTest, FilesOfOneTypeShareAnImage) {
  const std::wstring first = WriteFile(L"a.txt");
  const std::wstring second = WriteFile(L"b.TXT");
  WriteFile(L"c.txt");
  const int lookups = win->Icons().Lookups();
  const int hits = win->Icons().Hits();
  const int index = IconIndexOf(first);
  ASSERT_GE(index, 0);
  EXPECT_EQ(IconIndexOf(second), index);
  EXPECT_EQ(win->ImageList().Count(), 1);
  EXPECT_EQ(win->Icons().CachedTypes(), 1);
  EXPECT_EQ(win->Icons().Lookups(), lookups + 2);
  EXPECT_EQ(win->Icons().Hits(), hits + 1);
  // The shell's small picture of the type, not its large one shrunk.
  SHFILEINFOW info{};
  ASSERT_TRUE(::SHGetFileInfoW(first.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON));
  const TIconHandle small(info.hIcon);
  const TImageList& images = win->ImageList();
  const TComponentPtr<TImageList> reference = MakeComponent<TImageList>();
  reference->AddIcon(small.Get());
  EXPECT_EQ(ImagePixels(images, index), ImagePixels(*reference, 0));

  // A build's hits and lookups show in the tray tip, after the program's name.
  EXPECT_EQ(win->TrayIcon1().TipHelp(), L"Tamarind");
  win->RebuildMenu();
  EXPECT_EQ(win->Icons().Hits(), hits + 4);
  EXPECT_EQ(win->TrayIcon1().TipHelp(),
            L"Tamarind (" + std::to_wstring(hits + 4) + L"/" + std::to_wstring(lookups + 5) + L")");
  EXPECT_EQ(win->ImageList().Count(), 1);
}

TEST_F(IconCacheTest, ProgramsAndShortcutsKeepAnImageEachWhileUnchanged) {
  const std::wstring program = MenuPath(L"tool.exe");
  ASSERT_TRUE(::CopyFileW(ExecutablePath().c_str(), program.c_str(), FALSE));
  const std::wstring other = MenuPath(L"other.exe");
  ASSERT_TRUE(::CopyFileW(ExecutablePath().c_str(), other.c_str(), FALSE));
  SaveShellLink(MenuPath(L"Tool.lnk"), program);

  const int programImage = IconIndexOf(program);
  const int otherImage = IconIndexOf(other);
  const int shortcutImage = IconIndexOf(MenuPath(L"Tool.lnk"));
  ASSERT_GE(programImage, 0);
  EXPECT_NE(otherImage, programImage);
  ASSERT_GE(shortcutImage, 0);
  EXPECT_EQ(win->Icons().CachedTypes(), 0);
  const int images = win->ImageList().Count();

  EXPECT_EQ(IconIndexOf(program), programImage);
  EXPECT_EQ(IconIndexOf(MenuPath(L"Tool.lnk")), shortcutImage);
  EXPECT_EQ(win->ImageList().Count(), images);

  // A changed file gets its new picture in the same place.
  const std::vector<COLORREF> before = ImagePixels(win->ImageList(), programImage);
  wchar_t system[MAX_PATH] = {};
  ::GetSystemDirectoryW(system, MAX_PATH);
  ASSERT_TRUE(::CopyFileW((std::wstring(system) + L"\\notepad.exe").c_str(), program.c_str(), FALSE));
  HANDLE file = ::CreateFileW(program.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  FILETIME later{0x12345678, 0x01E00000};
  ::SetFileTime(file, nullptr, nullptr, &later);
  ::CloseHandle(file);
  EXPECT_EQ(IconIndexOf(program), programImage);
  EXPECT_EQ(win->ImageList().Count(), images);
  EXPECT_NE(ImagePixels(win->ImageList(), programImage), before);
}

TEST_F(IconCacheTest, TheThousandAndFirstExtensionIsNotCached) {
  MakeFolder(L"many");
  for (int i = 0; i < TIconFetcher::CacheCapacity; ++i) {
    const int index = IconIndexOf(WriteFile(L"many\\f." + Extension(i)));
    ASSERT_GE(index, 0) << i;
  }
  EXPECT_EQ(win->Icons().CachedTypes(), TIconFetcher::CacheCapacity);
  const int images = win->ImageList().Count();

  const std::wstring first = WriteFile(L"many\\one." + Extension(2000));
  const std::wstring second = WriteFile(L"many\\two." + Extension(2000));
  const int firstImage = IconIndexOf(first);
  const int secondImage = IconIndexOf(second);
  EXPECT_EQ(win->Icons().CachedTypes(), TIconFetcher::CacheCapacity);
  EXPECT_EQ(win->ImageList().Count(), images + 2);  // fetched for each file
  EXPECT_NE(firstImage, secondImage);
  EXPECT_EQ(IconIndexOf(first), firstImage);  // and kept for the same file
  EXPECT_EQ(win->ImageList().Count(), images + 2);
}

TEST_F(IconCacheTest, FileItemsGetTheirIconsFolderItemsNone) {
  WriteFile(L"notes.txt");
  MakeFolder(L"Tools");
  win->RebuildMenu();
  ASSERT_TRUE(WaitForIcons());
  TMenuItem& root = Root();
  for (int i = 0; i < root.Count(); ++i) {
    TMenuItem& item = *root.Items(i);
    const bool file = item.Caption() == L"notes.txt";
    EXPECT_EQ(win->PCMain().ItemImageIndex(item) >= 0, file) << item.Caption();
    if (file) {
      EXPECT_EQ(win->PCMain().ItemHint(item), item.Hint());
    }
  }
  settings.SetShowIcons(false);
  win->RebuildMenu();
  EXPECT_EQ(win->PCMain().ItemImageIndex(*FindCaption(Root(), L"notes.txt")), -1);
}

// A menu shown on a monitor of another DPI gets icons fetched at that DPI's size, not the ones
// of the last size drawn too small or stretched; the menu's own image size follows.
TEST_F(IconCacheTest, AMonitorOfAnotherDpiGetsIconsFetchedAtItsSize) {
  WriteFile(L"notes.txt");
  win->RebuildMenu();
  for (const int dpi : {192, 144, SystemDpi()}) {
    win->FitIconsToDpi(dpi);
    ASSERT_TRUE(WaitForIcons()) << dpi;
    const int size = SmallIconSize(dpi);
    EXPECT_EQ(win->ImageList().Width(), size) << dpi;
    EXPECT_EQ(win->ImageList().Height(), size) << dpi;
    const int index = win->PCMain().ItemImageIndex(*FindCaption(Root(), L"notes.txt"));
    ASSERT_GE(index, 0) << dpi;
    EXPECT_LT(index, win->ImageList().Count()) << dpi;
    // Not a shrunk or enlarged copy: the shell's own picture at that size shows ink across it.
    int lastInkedRow = -1;
    TBitmap picture;
    picture.SetSize(size, size);
    win->ImageList().Draw(picture.Canvas(), 0, 0, index);
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x)
        if (PixelAt(picture, x, y) != RGB(255, 255, 255)) lastInkedRow = y;
    EXPECT_GE(lastInkedRow, size * 3 / 4) << dpi;
  }
}
