// Runs on a Japanese system (ANSI code page 932): files written by TIniGT must read the same
// through the platform's own profile functions, and the reverse.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/code_page_932.h"
#include "settings/ini_gt.h"
#include "settings/ini_gt_system_host.h"
#include "support/temp_folder.h"

namespace {

struct TEntry {
  std::wstring Section;
  std::wstring Key;
  std::wstring Value;
};

// Names and values whose code-page-932 bytes include "\", "[", "]" and "=" as second bytes.
const TEntry Entries[] = {
    {L"Banner", L"Caption", L"ランチャー（表示）"},
    {L"表示", L"見出し", L"ソ表ーポ"},
    {L"Menu", L"BG1", L"C:\\ソフト\\NormalBack.Bmp"},
    {L"Menu", L"Font1.Name", L"ＭＳ Ｐゴシック"},
    {L"Menu", L"Half", L"ﾊﾝｶｸｶﾅ"},
    {L"Menu", L"Equals", L"a=b"},
    {L"Icon", L"Empty", L""},
};

class IniPlatformCompatTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(::GetACP(), 932u) << "needs a Japanese system: run under Wine with LC_ALL=ja_JP.UTF-8";
    ini->SetFileName(path);
  }

  std::wstring PlatformRead(const std::wstring& section, const std::wstring& key) const {
    char buffer[1024];
    const DWORD length = ::GetPrivateProfileStringA(ToCp932(section).c_str(), ToCp932(key).c_str(), "(none)", buffer,
                                                    sizeof(buffer), ToCp932(path).c_str());
    return FromCp932(std::string_view(buffer, length));
  }

  void PlatformWrite(const std::wstring& section, const std::wstring& key, const std::wstring& value) const {
    ASSERT_TRUE(::WritePrivateProfileStringA(ToCp932(section).c_str(), ToCp932(key).c_str(), ToCp932(value).c_str(),
                                             ToCp932(path).c_str()));
  }

  TTempFolder folder;
  std::wstring path = folder / L"Compat.ini";
  TComponentPtr<TIniGT> ini = MakeComponent<TIniGT>(SystemIniGTHost());
};

TEST_F(IniPlatformCompatTest, ThePlatformReadsWhatWeWrite) {
  for (const TEntry& entry : Entries) ini->WriteRawString(entry.Section, entry.Key, entry.Value);
  for (const TEntry& entry : Entries) EXPECT_EQ(PlatformRead(entry.Section, entry.Key), entry.Value) << entry.Key;
  EXPECT_EQ(PlatformRead(L"BANNER", L"caption"), Entries[0].Value);
}

TEST_F(IniPlatformCompatTest, WeReadWhatThePlatformWrites) {
  for (const TEntry& entry : Entries) PlatformWrite(entry.Section, entry.Key, entry.Value);
  for (const TEntry& entry : Entries)
    EXPECT_EQ(ini->ReadRawString(entry.Section, entry.Key, L"(none)"), entry.Value) << entry.Key;
}

TEST_F(IniPlatformCompatTest, BothTrimAndUnquoteTheSameWay) {
  const std::wstring values[] = {L"  blanks  ", L"\" quoted \"", L"'single'", L"\"", L"\xFF62" L"表\xFF63", L"x\"y\""};
  for (const std::wstring& value : values) {
    // A new file each time, so the platform cannot answer from what it read before.
    const std::wstring name = L"Trim" + std::to_wstring(&value - values) + L".ini";
    folder.WriteFile(name, "[s]\r\n  k  =" + ToCp932(value) + "\r\n");
    path = folder / name;
    ini->SetFileName(path);
    EXPECT_EQ(ini->ReadRawString(L"s", L"k", L"(none)"), PlatformRead(L"s", L"k")) << ::testing::PrintToString(value);
  }
}

TEST_F(IniPlatformCompatTest, BothCutLongValuesTo1023Bytes) {
  const std::wstring longValue(1500, L'x');
  ini->WriteRawString(L"s", L"k", longValue);
  EXPECT_EQ(PlatformRead(L"s", L"k"), longValue.substr(0, 1023));
  EXPECT_EQ(ini->ReadRawString(L"s", L"k", L""), longValue.substr(0, 1023));
}

TEST_F(IniPlatformCompatTest, UpdatesOfEitherSideKeepTheOthersValues) {
  PlatformWrite(L"表示", L"Font1.Size", L"9");
  ini->WriteInteger(L"表示", L"VertNum", 20);
  PlatformWrite(L"表示", L"Font1.Size", L"12");
  ini->WriteString(L"表示", L"Caption", L"ソフト");
  EXPECT_EQ(PlatformRead(L"表示", L"Font1.Size"), L"12");
  EXPECT_EQ(PlatformRead(L"表示", L"VertNum"), L"20");
  EXPECT_EQ(PlatformRead(L"表示", L"Caption"), L"ソフト");
  EXPECT_EQ(ini->ReadInteger(L"表示", L"Font1.Size", 0), 12);
}

}  // namespace
