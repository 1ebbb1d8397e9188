#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "framework/system_paths.h"
#include "framework/whole_file.h"
#include "settings/ini_gt.h"
#include "settings/ini_gt_system_host.h"
#include "support/temp_folder.h"

namespace {

std::string ReadBytes(const std::wstring& path) { return ReadWholeFile(path).Bytes; }

int CountEntries(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
  int count = 0;
  if (search == INVALID_HANDLE_VALUE) return count;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") ++count;
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return count;
}

// The file system's identity of the file at `path`: volume and file index.
std::pair<DWORD, unsigned long long> FileIdentity(const std::wstring& path) {
  HANDLE file = ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = file != INVALID_HANDLE_VALUE && ::GetFileInformationByHandle(file, &info);
  if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
  EXPECT_TRUE(known) << "no identity for the file";
  return {info.dwVolumeSerialNumber, (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

// A component on "Test.ini" in a fresh folder that already holds one value.
class IniFileReplaceTest : public ::testing::Test {
protected:
  void SetUp() override {
    path = folder.WriteFile(L"Test.ini", Original);
    ini->SetFileName(path);
  }

  // Writes a new value and returns the message of the error it raised.
  std::wstring RefusedWriteMessage() {
    try {
      ini->WriteRawString(L"Menu", L"Caption", L"new");
    } catch (const EIniFileException& error) {
      return error.Message();
    }
    return L"no error";
  }

  static constexpr const char* Original = "[Menu]\r\nCaption=old\r\n";
  TTempFolder folder;
  std::wstring path;
  TComponentPtr<TIniGT> ini = MakeComponent<TIniGT>(SystemIniGTHost());
};

TEST_F(IniFileReplaceTest, AWriteReplacesTheFileWithNothingLeftBeside) {
  ini->WriteRawString(L"Menu", L"Caption", L"new");
  EXPECT_EQ(ReadBytes(path), "[Menu]\r\nCaption=new\r\n");
  EXPECT_EQ(CountEntries(folder.Path()), 1);
}

// A save puts a complete new file in place; the old one is never opened for writing, so a
// reader holding it (here a second name of it) still sees the old content whole.
TEST_F(IniFileReplaceTest, ASaveSwapsInANewFileInsteadOfRewritingTheOldOne) {
  const std::wstring oldName = folder / L"Previous.ini";
  ASSERT_TRUE(::CreateHardLinkW(oldName.c_str(), path.c_str(), nullptr));
  const auto oldIdentity = FileIdentity(path);
  ini->WriteRawString(L"Menu", L"Caption", L"new");
  EXPECT_EQ(ReadBytes(path), "[Menu]\r\nCaption=new\r\n");
  EXPECT_NE(FileIdentity(path), oldIdentity);
  EXPECT_EQ(FileIdentity(oldName), oldIdentity);
  EXPECT_EQ(ReadBytes(oldName), Original);
}

TEST_F(IniFileReplaceTest, AReadOnlyFileIsRefusedAndKeptByteForByte) {
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(RefusedWriteMessage(), path + L" に書き込めません");
  EXPECT_EQ(ReadBytes(path), Original);
  EXPECT_EQ(CountEntries(folder.Path()), 1);
  EXPECT_EQ(ini->ReadRawString(L"Menu", L"Caption", L""), L"old");
}

TEST_F(IniFileReplaceTest, AFolderThatDoesNotExistIsRefused) {
  const std::wstring missing = folder / L"absent\\Test.ini";
  ini->SetFileName(missing);
  EXPECT_EQ(RefusedWriteMessage(), missing + L" に書き込めません");
  EXPECT_EQ(::GetFileAttributesW((folder / L"absent").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ReadBytes(path), Original);
}

TEST_F(IniFileReplaceTest, AFileLockedByAnotherProgramIsNeitherReadNorReplaced) {
  HANDLE locked = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ini->ReadRawString(L"Menu", L"Caption", L"default"), L"default");
  EXPECT_EQ(RefusedWriteMessage(), path + L" に書き込めません");
  ::CloseHandle(locked);
  EXPECT_EQ(ReadBytes(path), Original);
  EXPECT_EQ(CountEntries(folder.Path()), 1);
}

// A folder of any depth saves; an editor or a virus scanner holding the file for a moment
// without FILE_SHARE_DELETE delays the save rather than failing it.
TEST_F(IniFileReplaceTest, ADeepFolderSavesAndAFileHeldForAMomentIsReplacedOnceLetGo) {
  std::wstring deep = folder.Path();
  for (wchar_t level = L'a'; level < L'g'; ++level)
    ASSERT_TRUE(::CreateDirectoryW((L"\\\\?\\" + (deep += L"\\" + std::wstring(60, level))).c_str(), nullptr));
  ini->SetFileName(deep + L"\\Test.ini");
  ini->WriteRawString(L"Menu", L"Caption", L"old");
  HANDLE held = ::CreateFileW((L"\\\\?\\" + deep + L"\\Test.ini").c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  std::thread letGo([held] { ::Sleep(200), ::CloseHandle(held); });
  EXPECT_EQ(RefusedWriteMessage(), L"no error");
  letGo.join();
  EXPECT_EQ(ReadBytes(deep + L"\\Test.ini"), "[Menu]\r\nCaption=new\r\n");
}

// A shortcut reader asks for no more than a shortcut can hold; a larger file is not read.
TEST_F(IniFileReplaceTest, AFileLargerThanTheReaderTakesIsNotRead) {
  const std::size_t size = std::string_view(Original).size();
  EXPECT_EQ(ReadWholeFile(path, size).Bytes, Original);
  const TWholeFile tooLarge = ReadWholeFile(path, size - 1);
  EXPECT_EQ(tooLarge.Result, TFileReadResult::frFailed);
  EXPECT_TRUE(tooLarge.Bytes.empty());
}

TEST_F(IniFileReplaceTest, AHiddenFileStaysHidden) {
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
  ini->WriteRawString(L"Menu", L"Caption", L"new");
  EXPECT_EQ(ReadBytes(path), "[Menu]\r\nCaption=new\r\n");
  EXPECT_TRUE(::GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST(IniGTSystemHost, TheDefaultFileLiesBesideTheExecutable) {
  auto ini = MakeComponent<TIniGT>(SystemIniGTHost());
  ini->BeginLoading();
  ini->EndLoading();
  EXPECT_EQ(ini->FileName(), L"Win32_settings.ini");
  const std::wstring exe = ExecutablePath();
  EXPECT_EQ(ini->FullPath(), exe.substr(0, exe.find_last_of(L'\\') + 1) + L"Win32_settings.ini");
}

TEST(IniGTSystemHost, BareNamesWithoutADefaultFolderLieInTheWindowsDirectory) {
  const std::wstring windows = WindowsDirectory();
  EXPECT_TRUE(::GetFileAttributesW(windows.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  auto ini = MakeComponent<TIniGT>(SystemIniGTHost());
  ini->SetFileName(L"tamarind-test-" + std::to_wstring(::GetCurrentProcessId()) + L".ini");
  ini->SetDefaultDir(TIniGTDefaultDir::ddNone);
  ini->WriteInteger(L"s", L"k", 5);
  const std::wstring stored = windows + L"\\" + ini->FileName();
  EXPECT_EQ(ReadBytes(stored), "[s]\r\nk=5\r\n");
  ini->SetDefaultDir(TIniGTDefaultDir::ddWindows);
  EXPECT_EQ(ini->FullPath(), stored);
  EXPECT_EQ(ini->ReadInteger(L"s", L"k", 0), 5);
  ::DeleteFileW(stored.c_str());
}

}  // namespace
