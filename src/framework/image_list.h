#pragma once
// A list of equally sized images with masks (small icons by default), drawn transparently.
// Subscribers hear of every change through a change link.
#include <windows.h>

#include <vector>
#include <functional>

#include "framework/color.h"
#include "framework/component.h"
#include "framework/gdi_handle.h"

class TBitmap;
class TCanvas;
class TImageList;

// A subscription to an image list's changes; it ends when either side goes away.
class TChangeLink {
public:
  TChangeLink() = default;
  ~TChangeLink();
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;

  TImageList* Sender() const { return FSender; }
  std::function<void()> OnChange;

private:
  friend class TImageList;
  TImageList* FSender = nullptr;
};

class TImageList : public TComponent {
public:
  explicit TImageList(TComponent* owner, int width = 16, int height = 16);
  ~TImageList() override;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Count() const;
  HIMAGELIST Handle() const { return FHandle.Get(); }

  // Each returns the new image's index.
  int AddIcon(HICON icon);
  int AddMasked(TBitmap& bitmap, TColor maskColor);
  // Puts a copy of `icon` in place of image `index`.
  void ReplaceIcon(int index, HICON icon);
  void Delete(int index);
  void Clear();
  // Empties the list and makes its images `width` x `height`.
  void SetSize(int width, int height);

  // Draws image `index` at (x, y), its masked-out pixels left alone.
  void Draw(TCanvas& canvas, int x, int y, int index) const;
  // A copy of image `index` as an icon.
  TIconHandle GetIcon(int index) const;

  void RegisterChanges(TChangeLink& link);
  void UnRegisterChanges(TChangeLink& link);

private:
  void Changed();
  void CheckIndex(int index) const;

  int FWidth;
  int FHeight;
  TImageListHandle FHandle;
  std::vector<TChangeLink*> FLinks;
};
