#include "framework/image_list.h"

#include <algorithm>

#include "framework/bitmap.h"
#include "framework/canvas.h"
#include "framework/exception.h"
#include "framework/system_colors.h"
#include "texts/texts.h"

TChangeLink::~TChangeLink() {
  if (FSender) FSender->UnRegisterChanges(*this);
}

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), FWidth(width), FHeight(height),
      FHandle(::ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4)) {
  if (!FHandle) throw Exception(Text(TText::NoImageList));
}

TImageList::~TImageList() {
  for (TChangeLink* link : FLinks) link->FSender = nullptr;
}

int TImageList::Count() const { return ::ImageList_GetImageCount(FHandle.Get()); }

int TImageList::AddIcon(HICON icon) {
  const int index = ::ImageList_AddIcon(FHandle.Get(), icon);
  if (index < 0) throw Exception(Text(TText::ImageListAddIcon));
  Changed();
  return index;
}

void TImageList::ReplaceIcon(int index, HICON icon) {
  CheckIndex(index);
  if (::ImageList_ReplaceIcon(FHandle.Get(), index, icon) < 0) throw Exception(Text(TText::ImageListReplaceIcon));
  Changed();
}

int TImageList::AddMasked(TBitmap& bitmap, TColor maskColor) {
  // The list blackens the masked pixels of what it is given, and selects it itself.
  TBitmap copy;
  copy.Assign(&bitmap);
  copy.FreeCanvas();
  const int index = ::ImageList_AddMasked(FHandle.Get(), copy.Handle(), ColorToRGB(maskColor));
  if (index < 0) throw Exception(Text(TText::ImageListAddPicture));
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
    throw Exception(Text(TText::ImageListResize, {std::to_wstring(width), std::to_wstring(height)}));
  FWidth = width;
  FHeight = height;
  Changed();
}

void TImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw Exception(Text(TText::ImageListRange, {std::to_wstring(index)}));
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
  CheckIndex(index);
  ::ImageList_Draw(FHandle.Get(), index, canvas.Handle(), x, y, ILD_TRANSPARENT);
}

TIconHandle TImageList::GetIcon(int index) const {
  CheckIndex(index);
  TIconHandle icon(::ImageList_GetIcon(FHandle.Get(), index, ILD_NORMAL));
  if (!icon) throw Exception(Text(TText::ImageListTakeIcon));
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
