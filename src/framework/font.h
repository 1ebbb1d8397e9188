#pragma once
// A GDI font made from a font description on first use. Changing an attribute drops the
// handle; whoever has it selected is told first so that it can put the old one back. A font
// assigned from another shares that one's handle: a draw request's copy of a menu font then
// makes no font of its own.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/font_description.h"
#include "framework/gdi_handle.h"

class TFont {
public:
  TFont() = default;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  const TFontDescription& Description() const { return FDescription; }
  void Assign(const TFontDescription& description);
  void Assign(const TFont& other);

  const std::wstring& Name() const { return FDescription.Name; }
  void SetName(const std::wstring& name);
  std::int32_t Height() const { return FDescription.Height; }
  void SetHeight(std::int32_t height);
  TFontStyles Style() const { return FDescription.Style; }
  void SetStyle(TFontStyles style);
  std::uint8_t Charset() const { return FDescription.Charset; }
  void SetCharset(std::uint8_t charset);
  TFontPitch Pitch() const { return FDescription.Pitch; }
  void SetPitch(TFontPitch pitch);
  // The colour needs no new handle: it is applied whenever text is drawn.
  TColor Color() const { return FDescription.Color; }
  void SetColor(TColor color) { FDescription.Color = color; }

  HFONT Handle();
  // Takes over a font made elsewhere (a rotated one, say); its attributes are read back.
  void AdoptHandle(HFONT font);

  std::function<void()> OnChanging;

private:
  const std::shared_ptr<TFontHandle>& SharedHandle() const;
  void Change(const TFontDescription& description);
  template <typename T, typename V>
  void ChangeField(T TFontDescription::*field, const V& value) {
    TFontDescription changed = FDescription;
    changed.*field = value;
    Change(changed);
  }

  TFontDescription FDescription;
  mutable std::shared_ptr<TFontHandle> FHandle;  // made on first use
};

// The description as the system's font record (face names longer than 31 characters are cut).
LOGFONTW ToLogFont(const TFontDescription& description);
// The system's font record as a description drawn in `color`.
TFontDescription FromLogFont(const LOGFONTW& record, TColor color);
