#include "menu/composed_images.h"

void TComposedImages::Draw(TCanvas& target, TPoint at, int index, int size, COLORREF backdrop,
                           const std::function<void(TCanvas&, int x, int y)>& compose) {
  if (index < 0) return;
  if (size != FSize) {
    Clear();
    FSize = size;
  }
  if (!FBackdrops.contains(backdrop) && FBackdrops.size() >= MaxBackdrops) Clear();
  auto& pages = FBackdrops[backdrop];
  const auto pageIndex = static_cast<size_t>(index / PageImages);
  if (pages.size() <= pageIndex) pages.resize(pageIndex + 1);
  if (!pages[pageIndex]) {
    auto page = std::make_unique<TPage>();
    page->Bitmap.SetSize(PageImages * size, size);
    page->Bitmap.Canvas().FillRectWith({0, 0, PageImages * size, size}, static_cast<TColor>(backdrop));
    pages[pageIndex] = std::move(page);
  }
  TPage& page = *pages[pageIndex];
  const int slot = index % PageImages;
  if (!page.Composed[static_cast<size_t>(slot)]) {
    compose(page.Bitmap.Canvas(), slot * size, 0);
    page.Composed[static_cast<size_t>(slot)] = true;
  }
  target.CopyRect({at.X, at.Y, at.X + size, at.Y + size}, page.Bitmap.Canvas(), {slot * size, 0, slot * size + size, size});
}
