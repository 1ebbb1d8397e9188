#include "settings/ini_file.h"

#include "framework/whole_file.h"
#include "settings/ini_location.h"
#include "settings/integer_text.h"
#include "texts/texts.h"

TIniFile::TIniFile(std::wstring fileName, std::wstring_view windowsDirectory)
    : FFileName(std::move(fileName)),
      FLocation(FFileName.empty() || HasFolderPart(FFileName) ? FFileName
                                                              : std::wstring(windowsDirectory) + L"\\" + FFileName) {}

std::wstring TIniFile::ReadString(std::wstring_view section, std::wstring_view key,
                                  std::wstring_view defaultValue) const {
  if (FPending) return FPending->Value(section, key).value_or(std::wstring(defaultValue));
  const TWholeFile file = ReadWholeFile(FLocation);
  if (file.Result != TFileReadResult::frRead) return std::wstring(defaultValue);
  return TIniText(file.Bytes).Value(section, key).value_or(std::wstring(defaultValue));
}

void TIniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  if (FPending) {
    FPending->SetValue(section, key, value);
    return;
  }
  Update([&] { FPending->SetValue(section, key, value); });
}

void TIniFile::Update(const std::function<void()>& writes) {
  const TWholeFile file = ReadWholeFile(FLocation);
  // A file that exists but cannot be read must not be replaced by one holding just these keys.
  if (file.Result == TFileReadResult::frFailed) throw EIniFileException(Text(TText::CannotWrite, {FLocation}));
  FPending.emplace(file.Bytes);
  try {
    writes();
  } catch (...) {
    FPending.reset();
    throw;
  }
  const TIniText text = std::move(*FPending);
  FPending.reset();
  // An unchanged file need not be touched.
  const bool unchanged = file.Result == TFileReadResult::frRead && text.Bytes() == file.Bytes;
  if (!unchanged && !ReplaceWholeFile(FLocation, text.Bytes()))
    throw EIniFileException(Text(TText::CannotWrite, {FLocation}));
}

std::int32_t TIniFile::ReadInteger(std::wstring_view section, std::wstring_view key, std::int32_t defaultValue) const {
  std::wstring text = ReadString(section, key, L"");
  if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) text.replace(0, 2, L"$");
  return ParseInt32(text).value_or(defaultValue);
}

void TIniFile::WriteInteger(std::wstring_view section, std::wstring_view key, std::int32_t value) {
  WriteString(section, key, std::to_wstring(value));
}

bool TIniFile::ReadBool(std::wstring_view section, std::wstring_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteBool(std::wstring_view section, std::wstring_view key, bool value) {
  WriteString(section, key, value ? L"1" : L"0");
}
