#pragma once
// TIniGT: a non-visual component that owns one INI file and reads and writes typed values in
// it: strings bare or fenced, Booleans, integers, hexadecimal values and colours, and fonts
// spread over four keys. It also decides where the file lies.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "framework/color.h"
#include "framework/component.h"
#include "framework/font_description.h"
#include "settings/ini_fence.h"
#include "settings/ini_file.h"
#include "settings/ini_gt_host.h"
#include "settings/ini_location.h"

class TIniGT : public TComponent {
public:
  // `host` must outlive the component.
  TIniGT(TComponent* owner, const TIniGTHost& host);

  TIniGTDefaultDir DefaultDir() const { return FDefaultDir; }
  void SetDefaultDir(TIniGTDefaultDir value);
  const std::wstring& FileName() const { return FFileName; }
  void SetFileName(std::wstring value);
  TIniGTFence Fence() const { return FFence; }
  void SetFence(TIniGTFence value);

  // Set by a form designer while it edits the form the component sits on.
  bool Designing() const { return FDesigning; }
  void SetDesigning(bool value) { FDesigning = value; }

  // Where the file is, worked out from FileName and DefaultDir.
  const std::wstring& FullPath() const { return FIniFile.FileName(); }

  // The INI layer's own reads and writes, unchanged. Writes raise EIniFileException when refused.
  std::wstring ReadRawString(std::wstring_view section, std::wstring_view key, std::wstring_view defaultValue) const;
  void WriteRawString(std::wstring_view section, std::wstring_view key, std::wstring_view value);
  bool ReadBool(std::wstring_view section, std::wstring_view key, bool defaultValue) const;
  void WriteBool(std::wstring_view section, std::wstring_view key, bool value);
  std::int32_t ReadInteger(std::wstring_view section, std::wstring_view key, std::int32_t defaultValue) const;
  void WriteInteger(std::wstring_view section, std::wstring_view key, std::int32_t value);

  // Strings enclosed in the fence of Fence, so leading and trailing blanks survive.
  std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view defaultValue) const;
  void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value);

  // 32-bit values stored as "0x" and 8 hexadecimal digits. A stored value that is no such
  // number raises EConvertError TText::NotAnInteger.
  TColor ReadColor(std::wstring_view section, std::wstring_view key, TColor defaultValue) const;
  void WriteColor(std::wstring_view section, std::wstring_view key, TColor value);
  std::int32_t ReadHex(std::wstring_view section, std::wstring_view key, std::int32_t defaultValue) const;
  void WriteHex(std::wstring_view section, std::wstring_view key, std::int32_t value);

  // A font as the keys key.Name, key.Size (points), key.Style (bits) and key.Color. A read
  // takes `font`'s values as defaults and changes it only when every key could be read; the
  // character set and pitch, which are not stored, become those of a new description.
  void ReadFont(std::wstring_view section, std::wstring_view key, TFontDescription& font) const;
  void WriteFont(std::wstring_view section, std::wstring_view key, const TFontDescription& font);

  // Makes the writes of `writes` in memory and replaces the file once at the end; the file stays
  // as it was when any of it fails (see TIniFile::Update).
  void Update(const std::function<void()>& writes) { FIniFile.Update(writes); }

protected:
  void LoadFinished() override;

private:
  void Rebind();
  std::wstring ReadFenced(std::wstring_view section, std::wstring_view key, std::wstring_view defaultValue,
                          TIniGTFence fence) const;

  const TIniGTHost& FHost;
  TIniGTDefaultDir FDefaultDir = TIniGTDefaultDir::ddApplication;
  std::wstring FFileName;
  TIniGTFence FFence = TIniGTFence::fnNone;
  bool FDesigning = false;
  TIniFile FIniFile;
  bool FFenceUnset = true;  // until Fence is first assigned
};
