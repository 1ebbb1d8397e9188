#include "menu/cool_menu.h"

#include <algorithm>
#include <cstdlib>

#include "framework/application.h"
#include "framework/cursor_image.h"
#include "framework/dpi.h"
#include "framework/dpi_scale.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "menu/item_layout.h"
#include "menu/mnemonic.h"
#include "menu/shared_glyphs.h"
#include "texts/texts.h"

namespace {

// Owner-drawn items name their styler in their item data; only a live one may be reached.
std::vector<TCoolMenu*>& LiveStylers() {
  static std::vector<TCoolMenu*> stylers;
  return stylers;
}

TForm& RequireForm(TComponent* owner) {
  auto* form = dynamic_cast<TForm*>(owner);
  if (!form) throw ECoolMenuError(Text(TText::MenuStyleWithoutForm));
  return *form;
}

TColumnBreak ColumnBreak(TMenuBreak value) {
  switch (value) {
    case TMenuBreak::mbBreak: return TColumnBreak::NewColumn;
    case TMenuBreak::mbBarBreak: return TColumnBreak::NewColumnWithBar;
    case TMenuBreak::mbNone: break;
  }
  return TColumnBreak::None;
}

}  // namespace

unsigned OwnerDrawFlags(const TAttachItem& item) {
  unsigned flags = MFT_OWNERDRAW;
  if (item.Checked) flags |= MFS_CHECKED;
  if (!item.Enabled) flags |= MF_DISABLED | MF_GRAYED;
  if (item.Default) flags |= MFS_DEFAULT;
  if (item.RadioItem) flags |= MFT_RADIOCHECK;
  if (item.Separator) flags |= MFT_SEPARATOR;
  if (item.Break == TColumnBreak::NewColumn) flags |= MFT_MENUBREAK;
  if (item.Break == TColumnBreak::NewColumnWithBar) flags |= MFT_MENUBARBREAK;
  return flags;
}

TCoolMenu::TCoolMenu(TComponent* owner) : TComponent(owner), FOwnerForm(RequireForm(owner)) {
  FBanner = std::make_unique<TBanner>(*this);
  LoadSystemMenuFont(FActiveFont);
  LoadSystemMenuFont(FInActiveFont);
  FActiveFont.SetColor(clHighlightText);
  FInActiveFont.SetColor(clMenuText);
  FImageChangeLink.OnChange = [this] { ImagesChanged(); };
  FSysMenu = std::make_unique<TSysMenu>(*this);
  SetDisplayPoint({0, 0});  // the primary monitor, until a menu opens elsewhere
  LiveStylers().push_back(this);
}

TCoolMenu::~TCoolMenu() { Destroying(); }

TCoolMenu* TCoolMenu::FromItemData(ULONG_PTR itemData) {
  TCoolMenu* styler = TItemRecords::StylerOf(itemData);
  return styler && std::ranges::find(LiveStylers(), styler) != LiveStylers().end() ? styler : nullptr;
}

void TCoolMenu::Destroying() {
  std::erase(LiveStylers(), this);
  FItemRecords.Clear();
  menu_glyphs::FreeAll();
  FActiveCache.Free();
  FInActiveCache.Free();
  FMenu = nullptr;
  OnDrawItem = nullptr;
  OnMeasureItem = nullptr;
  OnMenuSelect = nullptr;
  TComponent::Destroying();
}

void TCoolMenu::SetActiveBitmap(const TBitmap* bitmap) {
  FActiveBitmap.Assign(bitmap);
  if (bitmap) {
    FActiveCache.Rebuild(FActiveBitmap);
  } else {
    FActiveCache.Free();
  }
}

void TCoolMenu::SetInActiveBitmap(const TBitmap* bitmap) {
  FInActiveBitmap.Assign(bitmap);
  if (bitmap) {
    FInActiveCache.Rebuild(FInActiveBitmap);
  } else {
    FInActiveCache.Free();
  }
}

void TCoolMenu::SetDefaultFont(bool value) {
  FDefaultFont = value;
  ::DrawMenuBar(FOwnerForm.Handle());
}

void TCoolMenu::SetImages(TImageList* images) {
  if (images == FImages) return;
  if (FImages) {
    FImages->UnRegisterChanges(FImageChangeLink);
    CancelRemovalNotice(*FImages);
  }
  FImages = images;
  FComposedImages.Clear();
  if (FImages) {
    FImages->RegisterChanges(FImageChangeLink);
    RequestRemovalNotice(*FImages);
  } else {
    FItemImages.ForgetImagesFrom(0);
  }
}

void TCoolMenu::SetItemHeight(int height) {
  if (!AcceptsItemHeight(height, FLargeImage)) return;
  FItemHeight = height;
  AttachMenu();
}

void TCoolMenu::SetLargeImage(bool large) {
  FLargeImage = large;
  if (FLargeImage && FItemHeight < MinLargeItemHeight) SetItemHeight(MinLargeItemHeight);
  UpdateImageSize();
  AttachMenu();
}

void TCoolMenu::SetMenu(TPopupMenu* menu) {
  if (menu == FMenu) return;
  if (FMenu) CancelRemovalNotice(*FMenu);
  FMenu = menu;
  if (FMenu) {
    RequestRemovalNotice(*FMenu);
    AttachItems(FMenu->Items());
  }
}

void TCoolMenu::AttachMenu() {
  if (FMenu) AttachItems(FMenu->Items());
}

void TCoolMenu::SetItemImage(TMenuItem& item, int index, const std::wstring& hint) {
  TItemImage* entry = FItemImages.Find(&item);
  if (!entry) {
    entry = &FItemImages.Add();
    entry->MenuItem = &item;
    RequestRemovalNotice(item);
  }
  const int count = FImages ? FImages->Count() : 0;
  entry->SetImageIndex(index > count - 1 ? -1 : index);
  entry->Hint = hint;
}

int TCoolMenu::ItemImageIndex(const TMenuItem& item) const {
  if (!FImages) return -1;
  const TItemImage* entry = FItemImages.Find(&item);
  return entry ? entry->ImageIndex() : -1;
}

std::wstring TCoolMenu::ItemHint(const TMenuItem& item) const {
  const TItemImage* entry = FItemImages.Find(&item);
  return entry ? entry->Hint : std::wstring();
}

void TCoolMenu::AttachItems(TMenuItem& item) {
  const bool wholeMenu = FMenu && &item == &FMenu->Items();
  if (wholeMenu) FItemRecords.BeginSweep();
  bool inMenu = false;
  for (const TMenuItem* up = &item; up && FMenu; up = up->Parent()) inMenu = inMenu || up == &FMenu->Items();
  AttachTree(item, inMenu);
  // Not reached when attaching failed half-way: items not yet reached keep their records.
  if (wholeMenu) FItemRecords.EndSweep();
}

void TCoolMenu::AttachTree(TMenuItem& item, bool inMenu) {
  try {
    // A menu's root item is no entry of any menu. The entry is found by its position in its
    // parent's platform menu: finding it by command searches the whole menu each time.
    TMenuItem* parent = item.Parent();
    if (FMenu && parent) {
      const unsigned flags = OwnerDrawFlags({item.Checked(), item.Enabled(), item.Default(), item.RadioItem(),
                                            item.IsLine(), ColumnBreak(item.Break())});
      // Like ModifyMenu, but an entry that opens a submenu keeps it (and its text).
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
      info.fType = flags & AttachTypeMask;
      info.fState = flags & ~AttachTypeMask;
      info.dwItemData = FItemRecords.ItemData(item.Command(),
                                              item.IsLine() ? std::wstring() : SpokenCaption(item.Caption()));
      FMenu->Handle();  // the platform menus are made on first use
      if (inMenu && item.Visible() && parent->HandleAllocated())
        ::SetMenuItemInfoW(parent->Handle(), static_cast<UINT>(parent->PlatformPosition(item)), TRUE, &info);
    }
  } catch (const Exception&) {
    throw ECoolMenuError(Text(TText::OwnerDrawFailed, {item.Caption()}));
  }
  for (int i = 0; i < item.Count(); ++i) AttachTree(*item.Items(i), inMenu);
}

void TCoolMenu::LoadSystemMenuFont(TFont& font) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    throw Exception(Text(TText::NoMenuFont));
  const LOGFONTW& menuFont = metrics.lfMenuFont;
  font.SetPitch(TFontPitch::fpDefault);
  font.SetName(menuFont.lfFaceName);
  font.SetHeight(menuFont.lfHeight);
  TFontStyles style;
  if (menuFont.lfItalic) style.Include(TFontStyle::fsItalic);
  if (menuFont.lfWeight > FW_MEDIUM) style.Include(TFontStyle::fsBold);
  font.SetStyle(style);
}

TMenuItem* TCoolMenu::FindItem(UINT command) const {
  if (!FMenu) return nullptr;
  TMenuItem* item = TMenuItem::FindByCommand(command);
  for (TMenuItem* up = item; up; up = up->Parent()) {
    if (up == &FMenu->Items()) return item;
  }
  return nullptr;
}

bool TCoolMenu::IsBannerItem(const TMenuItem& item) const {
  return FBanner->ShowBanner() && FMenu && item.Parent() == &FMenu->Items();
}

void TCoolMenu::SetDisplayPoint(TPoint point) {
  FWorkArea = WorkAreaAt(point);
  const int dpi = MonitorDpiAt(point);
  if (dpi == FDpi) return;
  FDpi = dpi;
  UpdateImageSize();
}

void TCoolMenu::UpdateImageSize() {
  FImageSize = FLargeImage ? ScaleForDpi(LargeImageSize, FDpi) : SmallIconSize(FDpi);
  FComposedImages.Clear();  // large images are drawn as icons, and sizes differ by screen
}

TItemMetrics TCoolMenu::Metrics() const { return ItemMetricsAt(FItemHeight, FImageSize, FBanner->BannerWidth(), FDpi); }

int TCoolMenu::MeasuredRowHeight(bool separator) const {
  if (FDefaultFont) {
    TFont systemFont;
    LoadSystemMenuFont(systemFont);
    return MeasuredItemHeight(Metrics(), separator, true, systemFont.Height());
  }
  const int taller = std::max(std::abs(FActiveFont.Height()), std::abs(FInActiveFont.Height()));
  return MeasuredItemHeight(Metrics(), separator, false, taller);
}

void TCoolMenu::LoadFinished() {
  UpdateImageSize();
  FSavedCursor = Application().Cursor();
  AttachMenu();
  FSysMenu->ApplyDrawing();
  RebuildTileCaches();
}

void TCoolMenu::RebuildTileCaches() {
  FActiveCache.Rebuild(FActiveBitmap);
  FInActiveCache.Rebuild(FInActiveBitmap);
}

void TCoolMenu::RemovalNotice(TComponent& component) {
  if (&component == FMenu) {
    FMenu = nullptr;
    FItemRecords.Clear();
    for (int i = FItemImages.Count() - 1; i >= 0; --i) {
      if (TMenuItem* item = FItemImages.Items(i).MenuItem) CancelRemovalNotice(*item);
    }
    FItemImages.Clear();
  } else if (&component == FImages) {
    FImages = nullptr;
    FComposedImages.Clear();
    FItemImages.ForgetImagesFrom(0);
  } else if (auto* item = dynamic_cast<TMenuItem*>(&component)) {
    FItemImages.RemoveItem(item);
  }
}

void TCoolMenu::ImagesChanged() {
  FComposedImages.Clear();
  if (FImages) FItemImages.ForgetImagesFrom(FImages->Count());
}

void TCoolMenu::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_DRAWITEM:
    case CN_DRAWITEM:
      DrawItemMessage(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
      message.Result = 1;
      break;
    case WM_MEASUREITEM:
    case CN_MEASUREITEM:
      MeasureItemMessage(*reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam));
      message.Result = 1;
      break;
    case WM_WININICHANGE: SettingsChanged(); break;
  }
}

void TCoolMenu::SettingsChanged() {
  FTextExtents.Clear();
  FInActiveExtents.Clear();
  FTextLayouts.Clear();
  if (FMenu) {
    AttachItems(FMenu->Items());
    ::DrawMenuBar(FOwnerForm.Handle());
  }
  menu_glyphs::FreeCheckerBrush();
}

void TCoolMenu::DoMenuSelect(TMenuItem* Item, const std::wstring& Hint) {
  if (OnMenuSelect) OnMenuSelect(Item, Hint);
}

void TCoolMenu::ShowItemHint(const std::wstring& Text) {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  TRect text{0, 0, ::GetSystemMetrics(SM_CXSCREEN), 0};
  FHintWindow.MeasureText(text, Text, DT_CALCRECT | DT_WORDBREAK | DT_EXTERNALLEADING | DT_NOPREFIX);
  FHintWindow.ActivateHint(HintBounds(text, {cursor.x, cursor.y}, ::GetSystemMetrics(SM_CYCAPTION), FDpi), Text);
}

void TCoolMenu::HideItemHint() { FHintWindow.HideHint(); }
