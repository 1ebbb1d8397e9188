#include "framework/image_list.h"

#include <algorithm>

#include "framework/bitmap.h"
#include "framework/canvas.h"
#include "framework/exception.h"
#include "framework/system_colors.h"

TChangeLink::~TChangeLink() {
  if (FSender) FSender->UnRegisterChanges(*this);
}

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), FWidth(width), FHeight(height),
      FHandle(::ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4)) {
  if (!FHandle) throw Exception(L"イメージリストを作成できません");
}

TImageList::~TImageList() {
  for (TChangeLink* link : FLinks) link->FSender = nullptr;
}

int TImageList::Count() const { return ::ImageList_GetImageCount(FHandle.Get()); }

int TImageList::AddIcon(HICON icon) {
  const int index = ::ImageList_AddIcon(FHandle.Get(), icon);
  if (index < 0) throw Exception(L"イメージリストにアイコンを追加できません");
  Changed();
  return index;
}

void TImageList::ReplaceIcon(int index, HICON icon) {
  CheckIndex(index);
  if (::ImageList_ReplaceIcon(FHandle.Get(), index, icon) < 0) throw Exception(L"イメージリストのアイコンを置き換えられません");
  Changed();
}

int TImageList::AddMasked(TBitmap& bitmap, TColor maskColor) {
  // The list blackens the masked pixels of what it is given, and selects it itself.
  TBitmap copy;
  copy.Assign(&bitmap);
  copy.FreeCanvas();
  const int index = ::ImageList_AddMasked(FHandle.Get(), copy.Handle(), ColorToRGB(maskColor));
  if (index < 0) throw Exception(L"イメージリストに画像を追加できません");
  Changed();
  return index;
}

void TImageList::Delete(int index) {
  CheckIndex(index);
  ::ImageList_Remove(FHandle.Get(), index);
  Changed();
}

void TImageList::Clear() {
  ::ImageList_Remove(FHandle.Get(), -1);
  Changed();
}

void TImageList::SetSize(int width, int height) {
  if (!::ImageList_SetIconSize(FHandle.Get(), width, height))
    throw Exception(L"イメージリストの大きさを " + std::to_wstring(width) + L" x " + std::to_wstring(height) + L" にできません");
  FWidth = width;
  FHeight = height;
  Changed();
}

void TImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw Exception(L"イメージリストの番号 " + std::to_wstring(index) + L" は範囲外です");
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
  CheckIndex(index);
  ::ImageList_Draw(FHandle.Get(), index, canvas.Handle(), x, y, ILD_TRANSPARENT);
}

TIconHandle TImageList::GetIcon(int index) const {
  CheckIndex(index);
  TIconHandle icon(::ImageList_GetIcon(FHandle.Get(), index, ILD_NORMAL));
  if (!icon) throw Exception(L"イメージリストからアイコンを取り出せません");
  return icon;
}

void TImageList::RegisterChanges(TChangeLink& link) {
  if (link.FSender) link.FSender->UnRegisterChanges(link);
  link.FSender = this;
  FLinks.push_back(&link);
}

void TImageList::UnRegisterChanges(TChangeLink& link) {
  if (link.FSender != this) return;
  FLinks.erase(std::remove(FLinks.begin(), FLinks.end(), &link), FLinks.end());
  link.FSender = nullptr;
}

void TImageList::Changed() {
  const std::vector<TChangeLink*> links = FLinks;  // a handler may unsubscribe
  for (TChangeLink* link : links) {
    if (link->OnChange) link->OnChange();
  }
}
