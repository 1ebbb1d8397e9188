#include "settings/ini_gt.h"

#include <algorithm>

#include "framework/code_page_932.h"
#include "framework/convert_error.h"
#include "settings/integer_text.h"
#include "texts/texts.h"

namespace {

constexpr std::uint32_t StoredStyleBits = 0x0F;

std::wstring Joined(std::wstring_view key, std::wstring_view suffix) {
  return std::wstring(key) + std::wstring(suffix);
}

}  // namespace

TIniGT::TIniGT(TComponent* owner, const TIniGTHost& host)
    : TComponent(owner), FHost(host), FIniFile(std::wstring(), std::wstring()) {}

void TIniGT::SetDefaultDir(TIniGTDefaultDir value) {
  FDefaultDir = value;
  Rebind();
}

void TIniGT::SetFileName(std::wstring value) {
  FFileName = std::move(value);
  Rebind();
}

void TIniGT::SetFence(TIniGTFence value) {
  if (value != FFence && FDesigning && FFence == TIniGTFence::fnVer11Mode) {
    FHost.ShowWarning(
        Text(TText::FenceModeWarning));
  }
  FFence = value;
  FFenceUnset = false;
}

void TIniGT::LoadFinished() {
  if (FFileName.empty() && !FDesigning) SetFileName(DefaultIniName(FHost.ExecutablePath()));
  // A component newly placed in a designer starts in the mode that reads every older file.
  if (FDesigning && FFenceUnset) SetFence(TIniGTFence::fnVer11Mode);
}

void TIniGT::Rebind() {
  const std::wstring windowsDirectory = FHost.WindowsDirectory();
  FIniFile = TIniFile(IniFullPath(FFileName, FDefaultDir, FHost.ExecutablePath(), windowsDirectory), windowsDirectory);
}

std::wstring TIniGT::ReadRawString(std::wstring_view section, std::wstring_view key,
                                   std::wstring_view defaultValue) const {
  return FIniFile.ReadString(section, key, defaultValue);
}

void TIniGT::WriteRawString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  FIniFile.WriteString(section, key, value);
}

bool TIniGT::ReadBool(std::wstring_view section, std::wstring_view key, bool defaultValue) const {
  return FIniFile.ReadBool(section, key, defaultValue);
}

void TIniGT::WriteBool(std::wstring_view section, std::wstring_view key, bool value) {
  FIniFile.WriteBool(section, key, value);
}

std::int32_t TIniGT::ReadInteger(std::wstring_view section, std::wstring_view key, std::int32_t defaultValue) const {
  return FIniFile.ReadInteger(section, key, defaultValue);
}

void TIniGT::WriteInteger(std::wstring_view section, std::wstring_view key, std::int32_t value) {
  FIniFile.WriteInteger(section, key, value);
}

std::wstring TIniGT::ReadFenced(std::wstring_view section, std::wstring_view key, std::wstring_view defaultValue,
                                TIniGTFence fence) const {
  // The default travels enclosed too, so it comes back as given.
  return StripFence(ReadRawString(section, key, EncloseInFence(defaultValue, fence)), fence);
}

std::wstring TIniGT::ReadString(std::wstring_view section, std::wstring_view key,
                                std::wstring_view defaultValue) const {
  return ReadFenced(section, key, defaultValue, FFence);
}

void TIniGT::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  WriteRawString(section, key, EncloseInFence(value, FFence));
}

TColor TIniGT::ReadColor(std::wstring_view section, std::wstring_view key, TColor defaultValue) const {
  return static_cast<TColor>(ReadHex(section, key, static_cast<std::int32_t>(defaultValue)));
}

void TIniGT::WriteColor(std::wstring_view section, std::wstring_view key, TColor value) {
  WriteHex(section, key, static_cast<std::int32_t>(value));
}

std::int32_t TIniGT::ReadHex(std::wstring_view section, std::wstring_view key, std::int32_t defaultValue) const {
  // The digits are bytes 3 to 10 of the stored text, whatever its first two bytes are.
  const std::string stored = ToCp932(ReadRawString(section, key, HexText(defaultValue)));
  const std::string_view digits = std::string_view(stored).substr(std::min<std::size_t>(2, stored.size()), 8);
  const std::wstring text = L"$" + FromCp932(digits);
  if (const auto value = ParseInt32(text)) return *value;
  throw EConvertError(Text(TText::NotAnInteger, {text}));
}

void TIniGT::WriteHex(std::wstring_view section, std::wstring_view key, std::int32_t value) {
  WriteRawString(section, key, HexText(value));
}

void TIniGT::ReadFont(std::wstring_view section, std::wstring_view key, TFontDescription& font) const {
  const std::int32_t pixelsPerInch = FHost.ScreenPixelsPerInch();
  TFontDescription read;
  // Names are read in the mode that frees them of either enclosure, whatever Fence says.
  read.Name = ReadFenced(section, Joined(key, L".Name"), font.Name, TIniGTFence::fnVer11Mode);
  read.SetSize(ReadInteger(section, Joined(key, L".Size"), font.Size(pixelsPerInch)), pixelsPerInch);
  const auto styleBits = static_cast<std::uint32_t>(
      ReadInteger(section, Joined(key, L".Style"), static_cast<std::int32_t>(font.Style.Bits())));
  read.Style = TFontStyles::FromBits(styleBits & StoredStyleBits);
  read.Color = ReadColor(section, Joined(key, L".Color"), font.Color);
  font = read;
}

void TIniGT::WriteFont(std::wstring_view section, std::wstring_view key, const TFontDescription& font) {
  WriteRawString(section, Joined(key, L".Name"), font.Name);
  WriteInteger(section, Joined(key, L".Size"), font.Size(FHost.ScreenPixelsPerInch()));
  WriteInteger(section, Joined(key, L".Style"), static_cast<std::int32_t>(font.Style.Bits()));
  WriteColor(section, Joined(key, L".Color"), font.Color);
}
