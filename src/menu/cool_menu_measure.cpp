// Measuring: each item reports its own size; the platform lays out the columns.
#include <algorithm>

#include "framework/application.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "menu/cool_menu.h"
#include "menu/item_drawing.h"
#include "menu/item_layout.h"

void TCoolMenu::MeasureItemMessage(MEASUREITEMSTRUCT& request) {
  try {
    TMenuItem* item = FindItem(request.itemID);
    if (!item) {
      FSysMenu->MeasureItem(request);
      return;
    }
    const bool separator = item->IsLine();
    request.itemHeight = MeasuredRowHeight(separator);
    request.itemWidth = MeasuredRowWidth(item->Caption(), item->ShortCutText(), IsBannerItem(*item));
    int height = static_cast<int>(request.itemHeight);
    DoMeasureItem(request.itemID, height);
    request.itemHeight = height;
  } catch (...) {
    Application().HandleException();
  }
}

int TCoolMenu::MeasuredRowWidth(const std::wstring& caption, const std::wstring& rightText, bool banner) {
  const std::wstring text = MeasuredText(caption, rightText);
  int extent = 0;
  if (FDefaultFont) {
    TFont systemFont;
    LoadSystemMenuFont(systemFont);
    extent = FTextExtents.Width(systemFont.Description(), text);
  } else {
    extent = std::max(FTextExtents.Width(FActiveFont.Description(), text),
                      FInActiveExtents.Width(FInActiveFont.Description(), text));
  }
  // A very long name must not push the menu past the screen's edge.
  return MeasuredItemWidth(extent, Metrics(), banner, FWorkArea.Width() / 2);
}

void TCoolMenu::DoMeasureItem(UINT itemID, int& height) {
  if (!OnMeasureItem) return;
  if (TMenuItem* item = FindItem(itemID)) OnMeasureItem(FMenu, item, height);
}
