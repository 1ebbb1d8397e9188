#include "menu/sys_menu.h"

#include <cstdlib>

#include "framework/bitmap.h"
#include "framework/form.h"
#include "menu/cool_menu.h"
#include "menu/item_drawing.h"
#include "menu/item_layout.h"
#include "menu/mnemonic.h"
#include "texts/texts.h"

namespace {

constexpr int GlyphSize = 16;
constexpr int CaptionIndent = 4;

struct TEntryFlags {
  bool Separator = false;
  bool Disabled = false;
  bool Default = false;
};

TEntryFlags EntryFlags(HMENU menu, UINT command) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE;
  if (!::GetMenuItemInfoW(menu, command, FALSE, &info)) return {};
  return {(info.fType & MFT_SEPARATOR) != 0, (info.fState & MFS_DISABLED) != 0, (info.fState & MFS_DEFAULT) != 0};
}

}  // namespace

std::wstring SysMenuWidthText() { return L" " + Text(TText::SysClose) + L" Alt+F4"; }

TSysMenuEntry SysMenuEntry(unsigned command) {
  switch (command) {
    case SC_SIZE: return {Text(TText::SysSize), sgNone, {}};
    case SC_MOVE: return {Text(TText::SysMove), sgNone, {}};
    case SC_MINIMIZE: return {Text(TText::SysMinimize), sgMinimize, {}};
    case SC_MAXIMIZE: return {Text(TText::SysMaximize), sgMaximize, {}};
    case SC_CLOSE: return {Text(TText::SysClose), sgClose, L"Alt+F4"};
    case SC_RESTORE: return {Text(TText::SysRestore), sgRestore, {}};
  }
  return {};
}

TSysMenu::TSysMenu(TCoolMenu& owner)
    : FOwner(owner), FSysGlyphs(owner.Make<TImageList>(GlyphSize, GlyphSize)), FItemRecords(owner) {
  for (const wchar_t* name : {L"RESTORE", L"MIN", L"MAX", L"CLOSE"}) {
    TBitmap glyph;
    glyph.LoadFromResourceName(name);
    FSysGlyphs.AddMasked(glyph, clOlive);
  }
  FSysMenuHandle = OwnerSystemMenu();
}

HMENU TSysMenu::OwnerSystemMenu() const { return ::GetSystemMenu(FOwner.OwnerForm().Handle(), FALSE); }

void TSysMenu::SetDrawing(bool drawing) {
  if (drawing == FDrawing) return;
  FDrawing = drawing;
  if (FDrawing) ApplyDrawing();
}

void TSysMenu::SetItemHeight(int height) {
  if (height < MinItemHeight || height == FItemHeight) return;
  FItemHeight = height;
  if (FDrawing) ApplyDrawing();
}

void TSysMenu::ApplyDrawing() {
  FSysMenuHandle = OwnerSystemMenu();
  if (FDrawing) {
    FItemRecords.BeginSweep();
    const int count = ::GetMenuItemCount(FSysMenuHandle);
    // By position: every separator shares the identifier 0.
    for (int position = 0; position < count; ++position) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_FTYPE;
      if (!::GetMenuItemInfoW(FSysMenuHandle, position, TRUE, &info)) continue;
      info.fMask = MIIM_FTYPE | MIIM_DATA;
      info.fType = MFT_OWNERDRAW | (info.fType & MFT_SEPARATOR);
      info.dwItemData = FItemRecords.ItemData(static_cast<std::uintptr_t>(position),
                                              SpokenCaption(SysMenuEntry(::GetMenuItemID(FSysMenuHandle, position)).Caption));
      ::SetMenuItemInfoW(FSysMenuHandle, position, TRUE, &info);
    }
    FItemRecords.EndSweep();
  }
  ::DrawMenuBar(FOwner.OwnerForm().Handle());
}

void TSysMenu::MeasureItem(MEASUREITEMSTRUCT& request) {
  const bool separator = EntryFlags(FSysMenuHandle, request.itemID).Separator;
  request.itemHeight = separator ? SeparatorHeight : FItemHeight;
  TScreenDC screen;
  TCanvas canvas;
  canvas.Bind(screen.Get());
  if (FOwner.DefaultFont()) {
    TCoolMenu::LoadSystemMenuFont(canvas.Font());
    if (!separator) request.itemHeight = std::abs(canvas.Font().Height()) + 5;
  } else {
    canvas.Font().Assign(FOwner.ActiveFont());
  }
  request.itemWidth = MenuTextExtent(canvas, SysMenuWidthText()) + FItemHeight + SysMenuWidthMargin;
}

void TSysMenu::DrawSysItem(HMENU menuHandle, TCanvas& canvas, unsigned state, const TRect& rect, UINT itemID) {
  const int h = FItemHeight;
  const TRect glyphColumn{rect.Left, rect.Top, rect.Left + h, rect.Bottom};
  TRect textRect = rect;
  textRect.Left = rect.Left + h + 1;
  const TEntryFlags flags = EntryFlags(menuHandle, itemID);
  if (flags.Separator) {
    FOwner.DrawSeparator(canvas, rect);
    return;
  }
  const TSysMenuEntry entry = SysMenuEntry(itemID);
  const bool selected = state & ODS_SELECTED, enabled = !flags.Disabled, glyph = entry.Glyph != sgNone;

  if (FMenuStyle == msWindows) {
    canvas.FillRect(rect);
  } else if (FMenuStyle == msOffice) {
    if (selected && !enabled) canvas.Brush().SetColor(FOwner.InActiveColor());
    canvas.FillRect(selected && enabled && glyph ? textRect : rect);
    if (selected && enabled && glyph) {
      canvas.Edge(glyphColumn, BDR_RAISEDINNER, BF_TOPLEFT);
      canvas.Edge(glyphColumn, BDR_RAISEDINNER, BF_SOFT | BF_BOTTOMRIGHT);
    }
  }

  if (glyph) {
    const TRect at = CenteredImage(glyphColumn, h, GlyphSize);
    const auto drawGlyph = [&](TCanvas& target, int x, int y) { FSysGlyphs.Draw(target, x, y, entry.Glyph); };
    if (enabled) {
      drawGlyph(canvas, at.Left, at.Top);
    } else {
      DrawEmbossed(canvas, {at.Left, at.Top}, GlyphSize, [&](TCanvas& work) { drawGlyph(work, 0, 0); });
    }
  }

  if (flags.Default) canvas.Font().SetStyle(canvas.Font().Style().Include(TFontStyle::fsBold));
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  textRect.Left += CaptionIndent;
  TRect shortcutRect = textRect;
  shortcutRect.Right -= ShortcutRightMargin;
  const TItemTexts texts{std::wstring(entry.Caption), textRect, std::wstring(entry.ShortcutText), shortcutRect,
                         FOwner.HidesPrefixes()};
  const TColor color = selected ? FOwner.ActiveFont().Color() : FOwner.InActiveFont().Color();
  DrawItemTexts(canvas, FOwner.TextLayouts(), texts, enabled, !selected || FMenuStyle == msOffice, color);
}
