#pragma once
// The menu styler: makes every item of the menu it is attached to owner-drawn, and measures
// and paints those items in its fonts, colours, images and style, with an optional side
// banner. It refers to the menu and the image list without owning them.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/canvas.h"
#include "framework/component.h"
#include "framework/exception.h"
#include "framework/font.h"
#include "framework/form.h"
#include "framework/hint_window.h"
#include "framework/image_list.h"
#include "menu/banner.h"
#include "menu/composed_images.h"
#include "menu/item_background.h"
#include "menu/item_buffer.h"
#include "menu/item_images.h"
#include "menu/item_layout.h"
#include "menu/item_records.h"
#include "menu/sys_menu.h"
#include "menu/text_extents.h"
#include "menu/text_layouts.h"
#include "menu/tile_cache.h"

class TMenuItem;
class TPopupMenu;

class ECoolMenuError : public Exception {
public:
  using Exception::Exception;
};

// The framework's notification copies of the owner-draw messages.
inline constexpr UINT CN_DRAWITEM = 0xBC00 + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = 0xBC00 + WM_MEASUREITEM;

// The bits that describe an entry's type; the rest describe its state.
inline constexpr unsigned AttachTypeMask = MFT_OWNERDRAW | MFT_RADIOCHECK | MFT_SEPARATOR | MFT_MENUBREAK | MFT_MENUBARBREAK;

enum class TColumnBreak { None, NewColumn, NewColumnWithBar };

struct TAttachItem {
  bool Checked = false;
  bool Enabled = true;
  bool Default = false;
  bool RadioItem = false;
  bool Separator = false;
  TColumnBreak Break = TColumnBreak::None;
};

// The platform flags that make a menu entry owner-drawn while keeping its state and column
// break.
unsigned OwnerDrawFlags(const TAttachItem& item);

// State: the item's owner-draw state bits (ODS_).
using TDrawMenuItemEvent =
    std::function<void(TPopupMenu* Menu, TMenuItem* Item, const TRect& Rect, unsigned State)>;
using TMeasureMenuItemEvent = std::function<void(TPopupMenu* Menu, TMenuItem* Item, int& Height)>;
using TMenuSelectEvent = std::function<void(TMenuItem* Item, const std::wstring& Hint)>;

class TCoolMenu : public TComponent {
public:
  // The owner must be a form: its window's system menu is styled too.
  explicit TCoolMenu(TComponent* owner);
  ~TCoolMenu() override;
  void Destroying() override;

  TForm& OwnerForm() const { return FOwnerForm; }

  const TFont& ActiveFont() const { return FActiveFont; }
  void SetActiveFont(const TFontDescription& font) { FActiveFont.Assign(font); }
  const TFont& InActiveFont() const { return FInActiveFont; }
  void SetInActiveFont(const TFontDescription& font) { FInActiveFont.Assign(font); }
  TColor ActiveColor() const { return FActiveColor; }
  void SetActiveColor(TColor color) { FActiveColor = color; }
  TColor InActiveColor() const { return FInActiveColor; }
  void SetInActiveColor(TColor color) { FInActiveColor = color; }
  const TBitmap& ActiveBitmap() const { return FActiveBitmap; }
  void SetActiveBitmap(const TBitmap* bitmap);
  const TBitmap& InActiveBitmap() const { return FInActiveBitmap; }
  void SetInActiveBitmap(const TBitmap* bitmap);

  TBanner& Banner() { return *FBanner; }
  TSysMenu& SysMenu() { return *FSysMenu; }
  TItemImages& ItemImages() { return FItemImages; }
  const TItemRecords& ItemRecords() const { return FItemRecords; }

  // Cursor shown over the highlighted item: a cursor identifier, 0 the default arrow.
  std::int16_t Cursor() const { return FCursor; }
  void SetCursor(std::int16_t cursor) { FCursor = cursor; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool show) { FShowHint = show; }
  THintWindow& HintWindow() { return FHintWindow; }

  bool DefaultFont() const { return FDefaultFont; }
  void SetDefaultFont(bool value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int height);
  bool LargeImage() const { return FLargeImage; }
  void SetLargeImage(bool large);
  // The image size for the screen the menu shows on.
  int ImageSize() const { return FImageSize; }
  // The menu is measured and drawn for the monitor under `point`, where it opens.
  void SetDisplayPoint(TPoint point);
  int Dpi() const { return FDpi; }
  // The pixel sizes of a row on the menu's screen.
  TItemMetrics Metrics() const;
  // The height a separator or any other item of Menu is measured at (OnMeasureItem aside).
  int MeasuredRowHeight(bool separator) const;
  TPopupMenu* Menu() const { return FMenu; }
  void SetMenu(TPopupMenu* menu);
  TMenuStyle MenuStyle() const { return FMenuStyle; }
  void SetMenuStyle(TMenuStyle style) { FMenuStyle = style; }

  TDrawMenuItemEvent OnDrawItem;
  TMeasureMenuItemEvent OnMeasureItem;
  TMenuSelectEvent OnMenuSelect;

  // Assigns image `index` (-1 when the list has no such image) and `hint` to `item`.
  void SetItemImage(TMenuItem& item, int index, const std::wstring& hint);
  int ItemImageIndex(const TMenuItem& item) const;
  std::wstring ItemHint(const TMenuItem& item) const;
  // Makes `item` and everything below it owner-drawn, with item data that names this styler and
  // the text a screen reader says. Attaching the whole Menu frees the records of items it no
  // longer holds.
  void AttachItems(TMenuItem& item);
  static void LoadSystemMenuFont(TFont& font);

  // The item of Menu with this command identifier, or null.
  TMenuItem* FindItem(UINT command) const;
  // A top-level popup item while the banner is shown.
  bool IsBannerItem(const TMenuItem& item) const;

  // Handles the draw, measure and settings-change messages handed to the styler.
  void Dispatch(TMessage& message);
  // The live styler an owner-drawn item's data names, or null: items stay owner-drawn after
  // their styler is gone, and other code's owner-drawn items carry data of their own.
  static TCoolMenu* FromItemData(ULONG_PTR itemData);
  // While a draw request runs: mnemonic underlines stay hidden, as the platform asks when
  // keyboard cues are off and the menu has not been used from the keyboard.
  bool HidesPrefixes() const { return FHidesPrefixes; }
  // Where item texts are placed, their sizes known from earlier draws.
  TTextLayouts& TextLayouts() { return FTextLayouts; }

  virtual void DrawSeparator(TCanvas& canvas, const TRect& rect);

  // A row of a window of our own, painted into `dc` as an item of Menu would be: `item` need
  // not be in Menu, `rightText` stands in the shortcut's place, and with `bannerTop` the row
  // stands beside the banner picture, whose top lies at `bannerTop` of `dc`. Mnemonic
  // underlines stay hidden.
  void PaintRow(HDC dc, TMenuItem& item, unsigned state, const TRect& rect, const std::wstring& rightText,
                std::optional<int> bannerTop);
  // The width such a row asks for, measured as an item of Menu is.
  int MeasuredRowWidth(const std::wstring& caption, const std::wstring& rightText, bool banner);

protected:
  void LoadFinished() override;
  void RemovalNotice(TComponent& component) override;

  // Paints into `canvas`, a drawing state of this one request.
  virtual void DrawItem(TCanvas& canvas, HMENU menuHandle, int itemID, unsigned state, const TRect& rect);
  virtual void DoMeasureItem(UINT itemID, int& height);
  // An item of Menu was highlighted; raises OnMenuSelect.
  virtual void DoMenuSelect(TMenuItem* Item, const std::wstring& Hint);
  // Shows `Text` in the hint window below the cursor.
  virtual void ShowItemHint(const std::wstring& Text);
  void HideItemHint();
  // The cursor in effect when loading finished, shown off the highlighted item.
  std::int16_t SavedCursor() const { return FSavedCursor; }
  virtual void DrawGrayImage(TMenuItem& item, TCanvas& canvas, unsigned state, const TRect& rect);
  virtual void DrawItemText(TMenuItem& item, TCanvas& canvas, unsigned state, const TRect& rect);
  virtual void DrawImageFrame(TMenuItem& item, TCanvas& canvas, unsigned state, const TRect& rect);
  virtual void DrawCheckOrImage(TMenuItem& item, TCanvas& canvas, unsigned state, const TRect& rect);

private:
  void DrawItemMessage(const DRAWITEMSTRUCT& request);
  // `inMenu`: the item belongs to Menu; only Menu's entries are made owner-drawn.
  void AttachTree(TMenuItem& item, bool inMenu);
  void MeasureItemMessage(MEASUREITEMSTRUCT& request);
  void SettingsChanged();
  void AttachMenu();
  void ImagesChanged();
  void RebuildTileCaches();
  void UpdateImageSize();

  // Paints into the item buffer over `rect` of `dc`, the canvas prepared for an item in `state`
  // when `item`.
  void PaintBuffered(HDC dc, const TRect& rect, unsigned state, bool item, const std::function<void(TCanvas&)>& paint);
  void PaintItem(TCanvas& canvas, TMenuItem& item, unsigned state, const TRect& rect, const std::wstring& rightText,
                 std::optional<int> bannerTop);
  void PaintBackground(TCanvas& canvas, TMenuItem& item, unsigned state, const TItemRects& rects);
  void PaintStateBackground(TCanvas& canvas, bool active, const TRect& rect);
  void RunBackground(TCanvas& canvas, const std::vector<TBackgroundStep>& steps);
  int BannerTop(const TMenuItem& item, const TRect& itemRect) const;
  void PaintBannerSlice(TCanvas& canvas, const TItemRects& rects, int bannerTop);
  void DrawItemImage(TCanvas& canvas, int x, int y, int index);
  // An enabled item's image over the background just painted.
  void DrawImageOverBackground(TCanvas& canvas, const TRect& image, int index);
  void DrawCheckGlyph(TCanvas& canvas, const TRect& rect, bool enabled);
  void DrawSunkenFrame(TCanvas& canvas, const TRect& rect);

  TForm& FOwnerForm;
  TFont FActiveFont;
  TBitmap FActiveBitmap;
  TColor FActiveColor = clHighlight;
  std::unique_ptr<TBanner> FBanner;
  std::unique_ptr<TSysMenu> FSysMenu;
  std::int16_t FCursor = 0;
  std::int16_t FSavedCursor = 0;
  bool FDefaultFont = false;
  TImageList* FImages = nullptr;
  TBitmap FInActiveBitmap;
  TColor FInActiveColor = clMenu;
  TFont FInActiveFont;
  TItemImages FItemImages;
  TItemRecords FItemRecords{*this};
  bool FHidesPrefixes = false;
  int FItemHeight = 20;
  bool FLargeImage = false;
  TPopupMenu* FMenu = nullptr;
  TMenuStyle FMenuStyle = msOffice;
  bool FShowHint = false;
  int FImageSize = 16;
  TTileCache FActiveCache;
  TComposedImages FComposedImages;
  TItemBuffer FItemBuffer;
  TTextExtents FTextExtents;
  TTextExtents FInActiveExtents;  // a row is as wide as the wider of the two fonts needs
  TTextLayouts FTextLayouts;
  int FDpi = 96;
  TRect FWorkArea;
  // While a draw request runs: the plain colour the background left under the image, if any.
  std::optional<TColor> FImageBackdrop;
  // While a draw request runs: the item stands beside the banner, and the text in its
  // shortcut's place.
  bool FBannerRow = false;
  std::wstring FRightText;
  THintWindow FHintWindow;
  TChangeLink FImageChangeLink;
  TTileCache FInActiveCache;
};
