#include "folder/file_list_rules.h"

#include <gtest/gtest.h>

using namespace file_list_rules;
using enum TFileAttr;

namespace {
constexpr std::uint32_t Hidden = 0x02, System = 0x04, Directory = 0x10, Archive = 0x20, ReadOnly = 0x01;

bool Lists(std::uint32_t attributes, TFileType type) {
  return PassesSearch(attributes, AttributeMask(type)) && IsListed(attributes, type);
}
}  // namespace

TEST(FileListRules, TheSetIsReadAsAnAttributeMask) {
  EXPECT_EQ(AttributeMask({ftReadOnly, ftHidden, ftSystem, ftDirectory, ftArchive, ftNormal}), 0x77u);
  EXPECT_EQ(AttributeMask({ftVolumeID}), 0x08u);
  EXPECT_EQ(AttributeMask({}), 0u);
}

TEST(FileListRules, LauncherSettingsListEverythingButVolumeLabels) {
  const TFileType all{ftReadOnly, ftHidden, ftSystem, ftDirectory, ftArchive, ftNormal};
  for (std::uint32_t attributes : {0u, Hidden, System, Directory, Archive, Hidden | System | Directory | ReadOnly})
    EXPECT_TRUE(Lists(attributes, all)) << attributes;
  EXPECT_FALSE(Lists(0x08, all));
}

TEST(FileListRules, DirectoriesOnlyWithoutNormal) {
  const TFileType folders{ftDirectory};
  EXPECT_TRUE(Lists(Directory, folders));
  EXPECT_TRUE(Lists(Directory | Archive, folders));
  EXPECT_FALSE(Lists(Archive, folders));
  EXPECT_FALSE(Lists(0, folders));
  EXPECT_FALSE(Lists(Directory | Hidden, folders));
}

TEST(FileListRules, ArchiveOnlyExcludesHiddenSystemAndFolders) {
  const TFileType archive{ftArchive};
  EXPECT_TRUE(Lists(Archive, archive));
  EXPECT_TRUE(Lists(Archive | ReadOnly, archive));
  EXPECT_FALSE(Lists(Archive | Hidden, archive));
  EXPECT_FALSE(Lists(Archive | System, archive));
  EXPECT_FALSE(Lists(Archive | Directory, archive));
  EXPECT_FALSE(Lists(ReadOnly, archive));
}

TEST(FileListRules, NormalAloneListsPlainEntriesOnly) {
  const TFileType normal{ftNormal};
  EXPECT_TRUE(Lists(Archive | ReadOnly, normal));
  EXPECT_FALSE(Lists(Hidden, normal));
  EXPECT_FALSE(Lists(Directory, normal));
}

TEST(FileListRules, FoldersAreBracketed) {
  EXPECT_EQ(DisplayName(L"Tools", Directory), L"<Tools>");
  EXPECT_EQ(DisplayName(L"..", Directory), L"<..>");
  EXPECT_EQ(DisplayName(L"<x>", Directory), L"<<x>>");
  EXPECT_EQ(DisplayName(L"Readme.txt", Archive), L"Readme.txt");
}

TEST(FileListRules, ADriveRootJoinsWithoutSeparator) {
  EXPECT_EQ(JoinPath(L"C:\\", L"a.txt"), L"C:\\a.txt");
  EXPECT_EQ(JoinPath(L"C:\\x", L"a.txt"), L"C:\\x\\a.txt");
  EXPECT_EQ(JoinPath(L"C:\\xy\\", L"a.txt"), L"C:\\xy\\a.txt");
  // A three-letter relative folder is a folder like any other, not a root.
  EXPECT_EQ(JoinPath(L"abc", L"*.*"), L"abc\\*.*");
  EXPECT_EQ(JoinPath(L"", L"*.*"), L"\\*.*");
}
