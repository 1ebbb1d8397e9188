#pragma once
// Styling of the owner form's system menu: owner-drawn entries with glyphs for the window
// commands and captions of their own, in the styler's fonts and colours.
#include <windows.h>

#include "framework/canvas.h"
#include "framework/image_list.h"
#include "menu/menu_style.h"

class TCoolMenu;

class TSysMenu {
public:
  explicit TSysMenu(TCoolMenu& owner);
  TSysMenu(const TSysMenu&) = delete;
  TSysMenu& operator=(const TSysMenu&) = delete;

  bool Drawing() const { return FDrawing; }
  void SetDrawing(bool drawing);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int height);
  TMenuStyle MenuStyle() const { return FMenuStyle; }
  void SetMenuStyle(TMenuStyle style) { FMenuStyle = style; }
  HMENU SysMenuHandle() const { return FSysMenuHandle; }
  TImageList& SysGlyphs() { return FSysGlyphs; }

  // Makes the entries owner-drawn while Drawing is on, and redraws the form's menu bar.
  void ApplyDrawing();

  void MeasureItem(MEASUREITEMSTRUCT& request);
  void DrawSysItem(HMENU menuHandle, TCanvas& canvas, unsigned state, const TRect& rect, UINT itemID);

private:
  HMENU OwnerSystemMenu() const;

  TCoolMenu& FOwner;
  TImageList& FSysGlyphs;
  bool FDrawing = false;
  int FItemHeight = 20;
  TMenuStyle FMenuStyle = msOffice;
  HMENU FSysMenuHandle = nullptr;
};
