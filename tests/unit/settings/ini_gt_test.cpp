#include "settings/ini_gt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "framework/code_page_932.h"
#include "framework/convert_error.h"
#include "framework/utf8.h"
#include "scratch_folder.h"

void PrintTo(const TFontDescription& font, std::ostream* out) {
  *out << ToUtf8(font.Name) << ' ' << font.Height << " style " << font.Style.Bits() << " charset "
       << int{font.Charset} << " pitch " << static_cast<int>(font.Pitch) << " colour " << font.Color;
}

namespace {

using enum TIniGTFence;

class TFakeHost final : public TIniGTHost {
public:
  std::wstring ExecutablePath() const override { return L"C:\\Tools\\MyTool.EXE"; }
  std::wstring WindowsDirectory() const override { return L"C:\\WINDOWS"; }
  std::int32_t ScreenPixelsPerInch() const override { return 96; }
  void ShowWarning(const std::wstring& text) const override { Warnings.push_back(text); }

  mutable std::vector<std::wstring> Warnings;
};

// A component bound to "test.ini" in a fresh folder.
class IniGTTest : public ::testing::Test {
protected:
  IniGTTest() { ini->SetFileName(folder.Wide("test.ini")); }

  std::string Stored() const { return TScratchFolder::Read(folder / "test.ini"); }
  void Store(const std::string& bytes) const { TScratchFolder::Write(folder / "test.ini", bytes); }
  // A file holding one key "k" in section "s".
  void StoreValue(const std::string& bytes) const { Store("[s]\r\nk=" + bytes + "\r\n"); }

  TScratchFolder folder;
  TFakeHost host;
  TComponentPtr<TIniGT> ini = MakeComponent<TIniGT>(host);
};

TEST_F(IniGTTest, ParenthesisFenceWritesAndReadsCornerBrackets) {
  ini->SetFence(fnParenthesis);
  ini->WriteString(L"s", L"k", L"abc");
  EXPECT_EQ(Stored(), "[s]\r\nk=\xA2" "abc\xA3\r\n");
  EXPECT_EQ(ini->ReadString(L"s", L"k", L""), L"abc");
  ini->WriteString(L"s", L"k", L"  blanks kept  ");
  EXPECT_EQ(ini->ReadString(L"s", L"k", L""), L"  blanks kept  ");
  StoreValue("\"\" x \"\"");  // the INI layer removes the outer pair only
  EXPECT_EQ(ini->ReadString(L"s", L"k", L""), L"\" x \"");
}

TEST_F(IniGTTest, Ver11ModeWritesCornerBracketsAndReadsBothEnclosures) {
  ini->SetFence(fnVer11Mode);
  ini->WriteString(L"s", L"k", L" v ");
  EXPECT_EQ(Stored(), "[s]\r\nk=\xA2 v \xA3\r\n");
  EXPECT_EQ(ini->ReadString(L"s", L"k", L""), L" v ");
  StoreValue("\"\"q\"\"");
  EXPECT_EQ(ini->ReadRawString(L"s", L"k", L""), L"\"q\"");
  EXPECT_EQ(ini->ReadString(L"s", L"k", L""), L"q");
  StoreValue("\"");
  EXPECT_EQ(ini->ReadString(L"s", L"k", L""), L"\"");
}

TEST_F(IniGTTest, DoubleQuoteFenceKeepsBlanksAndIgnoresCornerBrackets) {
  ini->SetFence(fnDoubleQuote);
  ini->WriteString(L"s", L"k", L" v ");
  EXPECT_EQ(Stored(), "[s]\r\nk=\" v \"\r\n");
  EXPECT_EQ(ini->ReadString(L"s", L"k", L""), L" v ");
  StoreValue("\xA2v\xA3");
  EXPECT_EQ(ini->ReadString(L"s", L"k", L""), L"｢v｣");
}

TEST_F(IniGTTest, NoFenceLosesBlanksOnTheWayBack) {
  ini->WriteString(L"s", L"k", L"  v  ");
  EXPECT_EQ(Stored(), "[s]\r\nk=  v  \r\n");
  EXPECT_EQ(ini->ReadString(L"s", L"k", L""), L"v");
  StoreValue("\xA2v\xA3");
  EXPECT_EQ(ini->ReadString(L"s", L"k", L""), L"｢v｣");
}

TEST_F(IniGTTest, DefaultsComeBackAsGivenInEveryFenceMode) {
  for (const TIniGTFence fence : {fnDoubleQuote, fnParenthesis, fnVer11Mode, fnNone}) {
    ini->SetFence(fence);
    EXPECT_EQ(ini->ReadString(L"s", L"missing", L" d "), L" d ");
  }
}

TEST_F(IniGTTest, AClosingByteInsideADoubleByteCharacterIsNoFence) {
  // "ぅ" is 0x82 0xA3: its second byte is the closing corner's, yet no closing corner is there.
  ini->SetFence(fnParenthesis);
  StoreValue("\xA2x\x82\xA3");
  EXPECT_EQ(ini->ReadString(L"s", L"k", L""), L"｢xぅ");
}

TEST_F(IniGTTest, IntegersAreDecimalOrHexadecimal) {
  for (const char* text : {"0x1F", "0X1f", "$1F", "31", " 31 "}) {
    StoreValue(text);
    EXPECT_EQ(ini->ReadInteger(L"s", L"k", 7), 31) << text;
  }
  for (const char* text : {"abc", "", "0x", "31st", "1.5"}) {
    StoreValue(text);
    EXPECT_EQ(ini->ReadInteger(L"s", L"k", 7), 7) << text;
  }
  ini->WriteInteger(L"s", L"k", -42);
  EXPECT_EQ(Stored(), "[s]\r\nk=-42\r\n");
  EXPECT_EQ(ini->ReadInteger(L"s", L"missing", 7), 7);
}

TEST_F(IniGTTest, BooleansAreNonZeroIntegers) {
  StoreValue("2");
  EXPECT_TRUE(ini->ReadBool(L"s", L"k", false));
  StoreValue("0");
  EXPECT_FALSE(ini->ReadBool(L"s", L"k", true));
  StoreValue("yes");
  EXPECT_TRUE(ini->ReadBool(L"s", L"k", true));
  EXPECT_FALSE(ini->ReadBool(L"s", L"k", false));
  ini->WriteBool(L"s", L"k", true);
  ini->WriteBool(L"s", L"off", false);
  EXPECT_EQ(Stored(), "[s]\r\nk=1\r\noff=0\r\n");
}

TEST_F(IniGTTest, HexValuesAndColoursRoundTrip) {
  ini->WriteHex(L"s", L"minus", -1);
  ini->WriteColor(L"s", L"menu", clMenu);
  ini->WriteColor(L"s", L"white", clWhite);
  EXPECT_EQ(Stored(), "[s]\r\nminus=0xFFFFFFFF\r\nmenu=0x80000004\r\nwhite=0x00FFFFFF\r\n");
  EXPECT_EQ(ini->ReadHex(L"s", L"minus", 0), -1);
  EXPECT_EQ(ini->ReadColor(L"s", L"menu", clBlack), clMenu);
  EXPECT_EQ(ini->ReadColor(L"s", L"white", clBlack), clWhite);
  EXPECT_EQ(ini->ReadColor(L"s", L"missing", clHighlight), clHighlight);
  EXPECT_EQ(ini->ReadHex(L"s", L"missing", -5), -5);
}

TEST_F(IniGTTest, HexReadsTakeBytesThreeToTenStrictly) {
  const auto messageFor = [this](const std::string& stored) {
    StoreValue(stored);
    try {
      ini->ReadHex(L"s", L"k", 0);
    } catch (const EConvertError& error) {
      return error.Message();
    }
    return std::wstring(L"no error");
  };
  EXPECT_EQ(messageFor("0x1G"), L"'$1G' は整数ではありません");
  EXPECT_EQ(messageFor(""), L"'$' は整数ではありません");
  EXPECT_EQ(messageFor("31"), L"'$' は整数ではありません");
  StoreValue("1234");  // decimal text is misread: its bytes from the third on count as hexadecimal
  EXPECT_EQ(ini->ReadHex(L"s", L"k", 0), 0x34);
  StoreValue("##00000010trailing");
  EXPECT_EQ(ini->ReadHex(L"s", L"k", 0), 16);
}

TEST_F(IniGTTest, FontsAreStoredAsFourKeys) {
  TFontDescription font;
  font.Name = L"ＭＳ ゴシック";
  font.Height = -16;
  font.Style = {TFontStyle::fsBold, TFontStyle::fsStrikeOut};
  font.Color = clHighlightText;
  ini->WriteFont(L"Banner", L"Font", font);
  EXPECT_EQ(Stored(), ToCp932(L"[Banner]\r\nFont.Name=ＭＳ ゴシック\r\nFont.Size=12\r\nFont.Style=9\r\n"
                              L"Font.Color=0x8000000E\r\n"));
  TFontDescription read;
  read.Charset = 128;
  ini->ReadFont(L"Banner", L"Font", read);
  EXPECT_EQ(read, font);
}

TEST_F(IniGTTest, ReadFontWithOnlyTheSizeChangesTheSizeAndResetsTheCharacterSet) {
  Store("[Menu]\r\nFont1.Size=12\r\n");
  TFontDescription font;
  font.Name = L"Arial";
  font.Height = -11;
  font.Style = {TFontStyle::fsItalic};
  font.Charset = 128;
  font.Pitch = TFontPitch::fpFixed;
  font.Color = 0x123456;
  ini->ReadFont(L"Menu", L"Font1", font);
  EXPECT_EQ(font.Name, L"Arial");
  EXPECT_EQ(font.Height, -16);
  EXPECT_EQ(font.Style, (TFontStyles{TFontStyle::fsItalic}));
  EXPECT_EQ(font.Color, 0x123456u);
  EXPECT_EQ(font.Charset, DefaultCharset);
  EXPECT_EQ(font.Pitch, TFontPitch::fpDefault);
}

TEST_F(IniGTTest, FontNamesLoseEitherEnclosureWhateverTheFence) {
  Store("[f]\r\na.Name=\xA2" "Arial\xA3\r\nb.Name=\"\"Courier\"\"\r\nc.Style=255\r\n");
  TFontDescription font;
  ini->ReadFont(L"f", L"a", font);
  EXPECT_EQ(font.Name, L"Arial");
  ini->ReadFont(L"f", L"b", font);
  EXPECT_EQ(font.Name, L"Courier");
  ini->ReadFont(L"f", L"c", font);
  EXPECT_EQ(font.Style.Bits(), 0x0Fu);  // only the four style bits
  EXPECT_EQ(ini->Fence(), fnNone);
}

TEST_F(IniGTTest, AMalformedFontColourLeavesTheFontUnchanged) {
  Store("[f]\r\nx.Name=Arial\r\nx.Size=30\r\nx.Color=0xRED\r\n");
  TFontDescription font;
  font.Charset = 128;
  const TFontDescription before = font;
  EXPECT_THROW(ini->ReadFont(L"f", L"x", font), EConvertError);
  EXPECT_EQ(font, before);
}

TEST_F(IniGTTest, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(ini->ReadRawString(L"s", L"k", L"d"), L"d");
  EXPECT_FALSE(std::filesystem::exists(folder / "test.ini"));
  ini->WriteRawString(L"s", L"k", L"v");
  EXPECT_EQ(ini->ReadRawString(L"other", L"k", L"d"), L"d");
  EXPECT_EQ(ini->ReadRawString(L"s", L"other", L"d"), L"d");
}

TEST_F(IniGTTest, JapaneseValuesAreStoredInCodePage932) {
  ini->WriteRawString(L"Banner", L"Caption", L"ランチャー（表示）");
  EXPECT_EQ(Stored(), "[Banner]\r\nCaption=" + ToCp932(L"ランチャー（表示）") + "\r\n");
  EXPECT_EQ(ini->ReadRawString(L"banner", L"CAPTION", L""), L"ランチャー（表示）");
}

TEST_F(IniGTTest, NothingIsCachedBetweenComponentsOnOneFile) {
  auto other = MakeComponent<TIniGT>(host);
  other->SetFileName(ini->FileName());
  ini->WriteInteger(L"s", L"k", 1);
  EXPECT_EQ(other->ReadInteger(L"s", L"k", 0), 1);
  other->WriteInteger(L"s", L"k", 2);
  EXPECT_EQ(ini->ReadInteger(L"s", L"k", 0), 2);
}

TEST_F(IniGTTest, ARefusedWriteNamesTheFileAndKeepsItIntact) {
  Store("[s]\r\nk=old\r\n");
  std::filesystem::permissions(folder / "test.ini", std::filesystem::perms::owner_read);
  try {
    ini->WriteRawString(L"s", L"k", L"new");
    FAIL() << "no error";
  } catch (const EIniFileException& error) {
    EXPECT_EQ(error.Message(), folder.Wide("test.ini") + L" に書き込めません");
  }
  EXPECT_EQ(Stored(), "[s]\r\nk=old\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / ""), {}), 1);  // nothing left beside it
}

TEST_F(IniGTTest, AFileThatCannotBeReadIsNeitherReadNorReplaced) {
  std::filesystem::create_directory(folder / "test.ini");
  EXPECT_EQ(ini->ReadInteger(L"s", L"k", 3), 3);
  EXPECT_THROW(ini->WriteInteger(L"s", L"k", 1), EIniFileException);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "test.ini"));
}

TEST(IniGTLocation, LoadingSuppliesTheDefaultNameBesideTheExecutable) {
  TFakeHost host;
  auto ini = MakeComponent<TIniGT>(host);
  EXPECT_EQ(ini->FullPath(), L"");
  ini->BeginLoading();
  ini->EndLoading();
  EXPECT_EQ(ini->FileName(), L"Mytool.ini");
  EXPECT_EQ(ini->FullPath(), L"C:\\Tools\\Mytool.ini");
  ini->SetDefaultDir(TIniGTDefaultDir::ddWindows);
  EXPECT_EQ(ini->FullPath(), L"C:\\WINDOWS\\Mytool.ini");
  ini->SetDefaultDir(TIniGTDefaultDir::ddNone);
  EXPECT_EQ(ini->FullPath(), L"Mytool.ini");
  ini->SetFileName(L"D:\\Conf\\x.ini");
  EXPECT_EQ(ini->FullPath(), L"D:\\Conf\\x.ini");
}

TEST(IniGTLocation, AStoredNameIsKeptAndUnboundWritesFail) {
  TFakeHost host;
  auto ini = MakeComponent<TIniGT>(host);
  EXPECT_THROW(ini->WriteBool(L"s", L"k", true), EIniFileException);
  ini->BeginLoading();
  ini->SetFileName(L"Own.ini");
  ini->EndLoading();
  EXPECT_EQ(ini->FullPath(), L"C:\\Tools\\Own.ini");
}

TEST(IniGTDesigning, ANewComponentInADesignerStartsInVer11Mode) {
  TFakeHost host;
  auto placed = MakeComponent<TIniGT>(host);
  placed->SetDesigning(true);
  placed->BeginLoading();
  placed->EndLoading();
  EXPECT_EQ(placed->Fence(), fnVer11Mode);
  EXPECT_EQ(placed->FileName(), L"");  // the designer names no file
  EXPECT_TRUE(host.Warnings.empty());

  auto stored = MakeComponent<TIniGT>(host);
  stored->SetDesigning(true);
  stored->BeginLoading();
  stored->SetFence(fnNone);  // a stored value, even the initial one
  stored->EndLoading();
  EXPECT_EQ(stored->Fence(), fnNone);

  auto made = MakeComponent<TIniGT>(host);
  made->BeginLoading();
  made->EndLoading();
  EXPECT_EQ(made->Fence(), fnNone);
}

TEST(IniGTDesigning, LeavingVer11ModeInADesignerWarns) {
  TFakeHost host;
  auto ini = MakeComponent<TIniGT>(host);
  ini->SetFence(fnVer11Mode);
  ini->SetFence(fnNone);  // not designing
  EXPECT_TRUE(host.Warnings.empty());
  ini->SetDesigning(true);
  ini->SetFence(fnVer11Mode);
  ini->SetFence(fnVer11Mode);  // unchanged
  EXPECT_TRUE(host.Warnings.empty());
  ini->SetFence(fnDoubleQuote);
  ASSERT_EQ(host.Warnings.size(), 1u);
  EXPECT_EQ(host.Warnings[0],
            L"fnVer11Mode以外の値にすると、TIniGTのVer1.0とVer1.1で書き込んだﾌｧｲﾙを正しく読めない事があります。");
  EXPECT_EQ(ini->Fence(), fnDoubleQuote);
}

}  // namespace

TEST_F(IniGTTest, UpdateReplacesTheFileOnceWithEveryWrite) {
  Store("[s]\r\nold=1\r\n");
  ini->Update([&] {
    ini->WriteInteger(L"s", L"a", 1);
    ini->WriteColor(L"t", L"c", 0x80000004);
    EXPECT_EQ(Stored(), "[s]\r\nold=1\r\n");           // nothing reaches the file meanwhile
    EXPECT_EQ(ini->ReadInteger(L"s", L"a", 0), 1);  // but reads see the writes
  });
  EXPECT_EQ(Stored(), "[s]\r\nold=1\r\na=1\r\n\r\n[t]\r\nc=0x80000004\r\n");
}

TEST_F(IniGTTest, FailedUpdateLeavesTheFileAsItWas) {
  Store("[s]\r\nk=old\r\n");
  EXPECT_THROW(ini->Update([&] {
    ini->WriteRawString(L"s", L"k", L"new");
    throw EConvertError(L"broken");
  }),
               EConvertError);
  EXPECT_EQ(Stored(), "[s]\r\nk=old\r\n");
  EXPECT_EQ(ini->ReadRawString(L"s", L"k", L""), L"old");  // the half-made text is gone

  std::filesystem::permissions(folder / "test.ini", std::filesystem::perms::owner_read);
  try {
    ini->Update([&] { ini->WriteRawString(L"s", L"k", L"new"); });
    FAIL() << "a read-only file was replaced";
  } catch (const EIniFileException& error) {
    EXPECT_EQ(error.Message(), folder.Wide("test.ini") + L" に書き込めません");
  }
  EXPECT_EQ(Stored(), "[s]\r\nk=old\r\n");
}
