#include "folder/file_list.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "folder/dos_date_time.h"
#include "support/message_pump.h"
#include "support/temp_folder.h"

using enum TFileAttr;

namespace {

std::vector<std::wstring> Names(const TFileList& list) {
  std::vector<std::wstring> names;
  for (const auto& line : list.List()) names.push_back(line.Name);
  return names;
}

// A folder with one entry of each kind the filters tell apart.
class FileListTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder.WriteFile(L"b.txt");
    folder.WriteFile(L"A.txt");
    folder.WriteFile(L"plain.dat");
    ::SetFileAttributesW((folder / L"plain.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
    ::SetFileAttributesW((folder / L"A.txt").c_str(), FILE_ATTRIBUTE_ARCHIVE);
    ::SetFileAttributesW((folder / L"b.txt").c_str(), FILE_ATTRIBUTE_ARCHIVE);
    folder.WriteFile(L"secret.txt");
    ::SetFileAttributesW((folder / L"secret.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
    folder.WriteFile(L"boot.sys");
    ::SetFileAttributesW((folder / L"boot.sys").c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    folder.MakeFolder(L"Tools");
    list->SetMask({L"*.*"});
  }

  std::vector<std::wstring> ListWith(TFileType type) {
    list->SetFileType(type);
    list->SetDirectory(folder.Path());
    list->Refresh();
    return Names(*list);
  }

  TTempFolder folder;
  TComponentPtr<TFileList> list = MakeComponent<TFileList>();
};

TEST_F(FileListTest, LauncherSettingsListEverythingSortedWithoutRegardToCase) {
  // "." sorts before ">", so <..> comes before <.>.
  const std::vector<std::wstring> expected{L"<..>", L"<.>", L"<Tools>", L"A.txt",
                                           L"b.txt", L"boot.sys", L"plain.dat", L"secret.txt"};
  EXPECT_EQ(ListWith({ftReadOnly, ftHidden, ftSystem, ftDirectory, ftArchive, ftNormal}), expected);
}

// Names whose order differs with and without case, and a hyphen that the user's locale
// passes over where a plain character comparison would not.
TEST(FileListSort, NamesSortInTheUsersLocaleWithoutRegardToCase) {
  TTempFolder folder;
  for (const wchar_t* name : {L"Date.txt", L"cherry.txt", L"Banana.txt", L"apple.txt", L"co-op.txt", L"coal.txt"}) {
    folder.WriteFile(name);
  }
  folder.MakeFolder(L"beta");
  folder.MakeFolder(L"Alpha");
  auto list = MakeComponent<TFileList>();
  list->SetMask({L"*"});
  list->SetFileType({ftDirectory, ftNormal});
  list->SetDirectory(folder.Path());
  const std::vector<std::wstring> expected{L"<..>", L"<.>", L"<Alpha>", L"<beta>", L"apple.txt", L"Banana.txt",
                                           L"cherry.txt", L"coal.txt", L"co-op.txt", L"Date.txt"};
  EXPECT_EQ(Names(*list), expected);
}

TEST_F(FileListTest, AttributeFiltersChooseTheEntries) {
  using Names = std::vector<std::wstring>;
  // Wine keeps no archive bit: it reports one on every file. Expect what the system reports.
  const bool plainIsArchive = ::GetFileAttributesW((folder / L"plain.dat").c_str()) & FILE_ATTRIBUTE_ARCHIVE;
  const auto withPlain = [&](Names names) {
    if (plainIsArchive) names.push_back(L"plain.dat");
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return _wcsicmp(a.c_str(), b.c_str()) < 0; });
    return names;
  };
  EXPECT_EQ(ListWith({ftDirectory}), (Names{L"<..>", L"<.>", L"<Tools>"}));
  EXPECT_EQ(ListWith({ftArchive}), withPlain({L"A.txt", L"b.txt"}));
  EXPECT_EQ(ListWith({ftNormal}), (Names{L"A.txt", L"b.txt", L"plain.dat"}));
  EXPECT_EQ(ListWith({ftHidden, ftArchive}), withPlain({L"A.txt", L"b.txt", L"secret.txt"}));
  EXPECT_EQ(ListWith({ftSystem, ftArchive}), withPlain({L"A.txt", L"b.txt", L"boot.sys"}));
  EXPECT_TRUE(ListWith({}).empty());
}

TEST_F(FileListTest, MasksAreSearchedInOrderAndSortedOnce) {
  list->SetFileType({ftNormal});
  list->SetDirectory(folder.Path());
  list->SetMask({L"*.txt", L"A*", L"*.dat"});
  EXPECT_EQ(Names(*list), (std::vector<std::wstring>{L"A.txt", L"A.txt", L"b.txt", L"plain.dat"}));
  list->SetMask({L"*.none"});
  EXPECT_TRUE(list->List().empty());
}

TEST_F(FileListTest, InfoGivesFullPathSizeTimeAndAttributes) {
  folder.WriteFile(L"data.bin", std::string(1234, 'z'));
  ListWith({ftNormal, ftDirectory});
  const auto& lines = list->List();
  const auto data = std::find_if(lines.begin(), lines.end(), [](const auto& l) { return l.Name == L"data.bin"; });
  ASSERT_NE(data, lines.end());
  TFileEntry entry;
  list->GetInfo(static_cast<size_t>(data - lines.begin()), entry);
  EXPECT_EQ(entry.Name, folder / L"data.bin");
  EXPECT_EQ(entry.Size, 1234);

  SYSTEMTIME now;
  ::GetLocalTime(&now);
  const double today = EncodeDateTime({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond});
  EXPECT_NEAR(entry.Time, today, 5.0 / (24 * 60));  // written moments ago, in local time

  list->GetInfo(2, entry);
  EXPECT_EQ(entry.Name, folder / L"<Tools>");
  EXPECT_TRUE(entry.Attr & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(FileListTest, ADifferentFileTypeListsAnew) {
  list->SetFileType({ftDirectory});
  list->SetDirectory(folder.Path());
  ASSERT_EQ(Names(*list), (std::vector<std::wstring>{L"<..>", L"<.>", L"<Tools>"}));
  list->SetFileType({ftNormal});
  EXPECT_EQ(Names(*list), (std::vector<std::wstring>{L"A.txt", L"b.txt", L"plain.dat"}));
}

TEST_F(FileListTest, ADriveRootJoinsNamesWithoutAnExtraSeparator) {
  list->SetFileType({ftDirectory});
  list->SetDirectory(L"C:\\");
  ASSERT_FALSE(list->List().empty());
  TFileEntry entry;
  list->GetInfo(0, entry);
  EXPECT_EQ(entry.Name.substr(0, 4), L"C:\\<");
}

TEST_F(FileListTest, SameDirectoryDoesNothingAndMissingDirectoryGivesEmptyList) {
  int changes = 0;
  list->OnDirChange = [&](TComponent*) { ++changes; };
  list->SetDirectory(folder.Path());
  list->SetDirectory(folder.Path());
  EXPECT_EQ(changes, 1);
  list->SetDirectory(folder / L"missing");
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(list->List().empty());
}

// A directory box stand-in: shows whichever folder the test says.
class TFakeDirBox : public TDirectorySource {
public:
  using TDirectorySource::TDirectorySource;
  std::wstring CurrentDirectory() const override { return Current; }
  std::wstring Current;
};

TEST_F(FileListTest, FollowsTheDirectoryBoxUntilItIsDestroyed) {
  auto box = MakeComponent<TFakeDirBox>();
  box->Current = folder / L"Tools";
  list->BeginLoading();
  list->SetDirBox(box.get());
  list->EndLoading();
  ASSERT_TRUE(PumpUntil([&] { return list->Directory() == folder / L"Tools"; }, 2000));

  // The box is looked at five times a second: a move made just after one look is seen at the
  // next.
  const unsigned long long start = NowMs();
  for (const std::wstring& next : {folder.Path(), folder / L"Tools", folder.Path(), folder / L"Tools"}) {
    box->Current = next;
    ASSERT_TRUE(PumpUntil([&] { return list->Directory() == next; }, 2000));
  }
  const unsigned long long averageMs = (NowMs() - start) / 4;
  EXPECT_GE(averageMs, 150u);
  EXPECT_LE(averageMs, 300u);

  box.reset();
  EXPECT_EQ(list->DirBox(), nullptr);
  PumpFor(300);  // the follow timer must not touch the destroyed box
  EXPECT_EQ(list->Directory(), folder / L"Tools");
}

}  // namespace
