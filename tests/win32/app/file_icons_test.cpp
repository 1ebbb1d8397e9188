// A cloud file whose content is online only is never read for its picture: reading it would
// download it.
#include "app/file_icons.h"

#include <gtest/gtest.h>

TEST(FileIcons, OnlyAFileWhoseContentIsElsewhereIsOnlineOnly) {
  // Written out as the cloud client sets them, so that a wrong constant shows.
  constexpr DWORD reparse = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_ARCHIVE;
  constexpr DWORD pinned = 0x00080000;
  constexpr DWORD unpinned = 0x00100000;
  constexpr DWORD recallOnDataAccess = 0x00400000;
  constexpr DWORD recallOnOpen = 0x00040000;
  EXPECT_FALSE(IsOnlineOnly(FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_FALSE(IsOnlineOnly(reparse));           // downloaded, may be freed again
  EXPECT_FALSE(IsOnlineOnly(reparse | pinned));  // "always keep on this device"
  EXPECT_FALSE(IsOnlineOnly(FILE_ATTRIBUTE_SPARSE_FILE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(IsOnlineOnly(reparse | unpinned | recallOnDataAccess));  // "available online only"
  EXPECT_TRUE(IsOnlineOnly(reparse | recallOnOpen));
  EXPECT_TRUE(IsOnlineOnly(FILE_ATTRIBUTE_OFFLINE));  // moved to slow storage
}

TEST(FileIcons, ATypesIconComesFromTheNameAlone) {
  // The file is nowhere: asking the disk about it would answer nothing.
  const TIconAnswer answer = LookUpIcon({0, L"C:\\no such folder\\notes.txt", 16, TIconSource::isType, std::nullopt});
  EXPECT_TRUE(answer.Icon.Valid());
}
