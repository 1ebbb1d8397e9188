#include "framework/icon.h"

#include "framework/exception.h"
#include "texts/texts.h"

void TIcon::SetHandle(HICON icon) {
  FHandle.Reset(icon);
  if (OnChange) OnChange();
}

void TIcon::Assign(const TIcon& other) {
  if (&other == this) return;
  SetHandle(other.Empty() ? nullptr : ::CopyIcon(other.Handle()));
}

void TIcon::LoadFromResource(int id, int size) {
  HANDLE image = ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0);
  if (!image) throw Exception(Text(TText::IconUnreadable, {std::to_wstring(id)}));
  SetHandle(static_cast<HICON>(image));
}
