#include "framework/font.h"

#include <algorithm>

#include "framework/exception.h"
#include "texts/texts.h"

LOGFONTW ToLogFont(const TFontDescription& d) {
  LOGFONTW lf{};
  lf.lfHeight = d.Height;
  lf.lfWeight = d.Style.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = d.Style.Contains(TFontStyle::fsItalic);
  lf.lfUnderline = d.Style.Contains(TFontStyle::fsUnderline);
  lf.lfStrikeOut = d.Style.Contains(TFontStyle::fsStrikeOut);
  lf.lfCharSet = d.Charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = d.Pitch == TFontPitch::fpFixed      ? FIXED_PITCH
                        : d.Pitch == TFontPitch::fpVariable ? VARIABLE_PITCH
                                                            : DEFAULT_PITCH;
  const size_t length = std::min(d.Name.size(), size_t{LF_FACESIZE - 1});
  std::copy_n(d.Name.c_str(), length, lf.lfFaceName);
  return lf;
}

void TFont::Change(const TFontDescription& description) {
  if (!SameFace(description, FDescription) && FHandle) {
    if (OnChanging) OnChanging();
    FHandle.reset();
  }
  FDescription = description;
}

void TFont::Assign(const TFontDescription& description) { Change(description); }

void TFont::Assign(const TFont& other) {
  if (&other == this) return;
  Change(other.FDescription);
  if (FHandle != other.SharedHandle()) {
    if (FHandle && OnChanging) OnChanging();
    FHandle = other.FHandle;
  }
}

void TFont::SetName(const std::wstring& name) { ChangeField(&TFontDescription::Name, name); }

void TFont::SetHeight(std::int32_t height) { ChangeField(&TFontDescription::Height, height); }

void TFont::SetStyle(TFontStyles style) { ChangeField(&TFontDescription::Style, style); }

void TFont::SetCharset(std::uint8_t charset) { ChangeField(&TFontDescription::Charset, charset); }

void TFont::SetPitch(TFontPitch pitch) { ChangeField(&TFontDescription::Pitch, pitch); }

const std::shared_ptr<TFontHandle>& TFont::SharedHandle() const {
  if (!FHandle) {
    const LOGFONTW lf = ToLogFont(FDescription);
    auto made = std::make_shared<TFontHandle>(::CreateFontIndirectW(&lf));
    if (!*made) throw Exception(Text(TText::NoFont, {FDescription.Name}));
    FHandle = std::move(made);
  }
  return FHandle;
}

HFONT TFont::Handle() { return SharedHandle()->Get(); }

void TFont::AdoptHandle(HFONT font) {
  LOGFONTW lf{};
  if (!::GetObjectW(font, sizeof(lf), &lf)) {
    ::DeleteObject(font);
    throw Exception(Text(TText::FontUnreadable));
  }
  if (OnChanging) OnChanging();
  FHandle = std::make_shared<TFontHandle>(font);
  FDescription = FromLogFont(lf, FDescription.Color);
}

TFontDescription FromLogFont(const LOGFONTW& lf, TColor color) {
  TFontDescription description;
  description.Name = lf.lfFaceName;
  description.Height = lf.lfHeight;
  if (lf.lfWeight > FW_MEDIUM) description.Style.Include(TFontStyle::fsBold);
  if (lf.lfItalic) description.Style.Include(TFontStyle::fsItalic);
  if (lf.lfUnderline) description.Style.Include(TFontStyle::fsUnderline);
  if (lf.lfStrikeOut) description.Style.Include(TFontStyle::fsStrikeOut);
  description.Charset = lf.lfCharSet;
  const int pitch = lf.lfPitchAndFamily & 3;
  description.Pitch = pitch == FIXED_PITCH      ? TFontPitch::fpFixed
                      : pitch == VARIABLE_PITCH ? TFontPitch::fpVariable
                                                : TFontPitch::fpDefault;
  description.Color = color;
  return description;
}
