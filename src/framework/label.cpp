#include "framework/label.h"

#include "framework/font.h"
#include "framework/gdi_handle.h"

TLabel::TLabel(TComponent* owner) : TCaptionControl(owner) { SetBounds(0, 0, 65, 13); }

void TLabel::SetAutoSize(bool autoSize) {
  FAutoSize = autoSize;
  AdjustSize();
}

void TLabel::SetCaption(const std::wstring& caption) {
  TCaptionControl::SetCaption(caption);
  AdjustSize();
  Invalidate();
}

void TLabel::AdjustSize() {
  if (!FAutoSize) return;
  TFont font;
  font.Assign(Font());
  const TScreenDC screen;
  const HGDIOBJ old = ::SelectObject(screen.Get(), font.Handle());
  SIZE extent{};
  ::GetTextExtentPoint32W(screen.Get(), Caption().c_str(), static_cast<int>(Caption().size()), &extent);
  ::SelectObject(screen.Get(), old);
  SetBounds(Left(), Top(), extent.cx, extent.cy);
}

void TLabel::CreateParams(TCreateParams& params) {
  params.ClassName = L"STATIC";
  params.Caption = Caption();
  params.Style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX;
}
