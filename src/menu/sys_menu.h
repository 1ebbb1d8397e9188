#pragma once
// Styling of the owner form's system menu: owner-drawn entries with glyphs for the window
// commands and captions of their own, in the styler's fonts and colours.
#include <windows.h>

#include <string>
#include <string_view>

#include "framework/canvas.h"
#include "framework/image_list.h"
#include "menu/item_background.h"
#include "menu/item_records.h"

class TCoolMenu;

// Glyph numbers in the system-menu image list.
enum TSysGlyph : int { sgNone = -1, sgRestore = 0, sgMinimize = 1, sgMaximize = 2, sgClose = 3 };

struct TSysMenuEntry {
  std::wstring_view Caption;  // empty for commands of our own or unknown ones
  TSysGlyph Glyph = sgNone;
  std::wstring_view ShortcutText;
};

// The caption and glyph of a window command (SC_).
TSysMenuEntry SysMenuEntry(unsigned command);

// Every system-menu item is as wide as the widest one would be with this text.
std::wstring SysMenuWidthText();
inline constexpr int SysMenuWidthMargin = 50;

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
  TItemRecords FItemRecords;
};
