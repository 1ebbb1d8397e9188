#include "app/start_request.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

TEST(StartRequest, ArgumentsNameOneFolderAndResolveAgainstTheMenuFolder) {
  const std::wstring menu = L"C:\\Tamarind\\Menu";
  struct TCase {
    std::vector<std::wstring> Arguments;
    const wchar_t* Folder;  // empty: the launcher menu
  };
  const TCase cases[] = {
      {{}, L""},
      {{L""}, L""},
      {{L"Tools"}, L"C:\\Tamarind\\Menu\\Tools"},
      {{L"Tools\\Net\\"}, L"C:\\Tamarind\\Menu\\Tools\\Net"},
      {{L"Tools/Net"}, L"C:\\Tamarind\\Menu\\Tools\\Net"},
      {{L"My", L"Tools"}, L"C:\\Tamarind\\Menu\\My Tools"},  // unquoted in a shortcut's target
      {{L"D:\\Work\\"}, L"D:\\Work"},
      {{L"D:\\"}, L"D:\\"},
      {{L"\\\\server\\share\\道具"}, L"\\\\server\\share\\道具"},
      {{L"//server/share"}, L"\\\\server\\share"},
  };
  for (const TCase& c : cases) {
    const std::wstring argument = FolderArgument(c.Arguments);
    EXPECT_EQ(argument.empty() ? L"" : ResolveFolderArgument(menu, argument), c.Folder) << c.Folder;
  }
}

TEST(StartRequest, OnlyOneTerminatedStringOfAPathsLengthIsRead) {
  const auto bytes = [](const std::wstring& text) {
    std::vector<std::uint8_t> payload(text.size() * sizeof(wchar_t));
    std::memcpy(payload.data(), text.data(), payload.size());
    return payload;
  };
  EXPECT_EQ(ReadFolderPayload(FolderPayload(L"Tools\\Net")), L"Tools\\Net");
  EXPECT_EQ(ReadFolderPayload(FolderPayload(L"")), L"");
  EXPECT_EQ(ReadFolderPayload(FolderPayload(std::wstring(MaxFolderArgument, L'x'))), std::wstring(MaxFolderArgument, L'x'));
  EXPECT_EQ(ReadFolderPayload(FolderPayload(std::wstring(MaxFolderArgument + 1, L'x'))), std::nullopt);
  EXPECT_EQ(ReadFolderPayload({}), std::nullopt);
  EXPECT_EQ(ReadFolderPayload(bytes(L"Tools")), std::nullopt);  // no terminator
  EXPECT_EQ(ReadFolderPayload(bytes(std::wstring(L"To\0ols", 6) + L'\0')), std::nullopt);
  std::vector<std::uint8_t> odd = FolderPayload(L"Tools");
  odd.push_back(0);
  EXPECT_EQ(ReadFolderPayload(odd), std::nullopt);
}
