// Measuring: each item reports its own size; the platform lays out the columns.
#include <cstdlib>

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
    request.itemHeight = MeasuredItemHeight(FItemHeight, separator, false, 0);
    TFontDescription font = FActiveFont.Description();
    if (FDefaultFont) {
      TFont systemFont;
      LoadSystemMenuFont(systemFont);
      font = systemFont.Description();
      request.itemHeight = MeasuredItemHeight(FItemHeight, separator, true, font.Height);
    }
    const int extent = FTextExtents.Width(font, MeasuredText(item->Caption(), item->ShortCutText()));
    request.itemWidth = MeasuredItemWidth(extent, FItemHeight, IsBannerItem(*item), FBanner->BannerWidth());
    int height = static_cast<int>(request.itemHeight);
    DoMeasureItem(request.itemID, height);
    request.itemHeight = height;
  } catch (...) {
    Application().HandleException();
  }
}

void TCoolMenu::DoMeasureItem(UINT itemID, int& height) {
  if (!OnMeasureItem) return;
  if (TMenuItem* item = FindItem(itemID)) OnMeasureItem(FMenu, item, height);
}
