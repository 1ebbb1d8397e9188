#include "framework/icon.h"

#include "framework/exception.h"

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
  if (!image) throw Exception(L"アイコン " + std::to_wstring(id) + L" を読み込めません");
  SetHandle(static_cast<HICON>(image));
}
