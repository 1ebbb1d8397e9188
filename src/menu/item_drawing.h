#pragma once
// Drawing the parts of a styled item: caption and shortcut text, measured, and drawn in the
// enabled colour or in the two grey passes of a disabled item; and the embossed look of a
// disabled picture.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "framework/canvas.h"
#include "framework/color.h"
#include "menu/text_layouts.h"

// A caption cut to the row's width ends in an ellipsis.
inline constexpr UINT CaptionFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | DT_END_ELLIPSIS;
inline constexpr UINT ShortcutFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
inline constexpr UINT MeasureFormat = DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;

// Width of `text` in the canvas's font, ampersands taken as mnemonic prefixes.
int MenuTextExtent(TCanvas& canvas, std::wstring_view text);

struct TItemTexts {
  std::wstring Caption;
  TRect CaptionRect;
  std::wstring Shortcut;  // may be empty
  TRect ShortcutRect;
  bool HidePrefixes = false;  // the caption's mnemonic underline stays hidden
};

// Enabled: both texts in `color`. Disabled: a highlight pass one pixel right and down (when
// `highlightPass`), then the grey pass in place.
// The texts are placed by `layouts`.
void DrawItemTexts(TCanvas& canvas, TTextLayouts& layouts, const TItemTexts& texts, bool enabled, bool highlightPass,
                   TColor color);

// The grey embossed look of a disabled picture: its ink (dark pixels) in the highlight colour
// one pixel right and down, then in the shadow colour at the picture's own place.
// `drawImage` draws the picture at (0, 0) of the `size` x `size` canvas it is given.
void DrawEmbossed(TCanvas& target, TPoint at, int size, const std::function<void(TCanvas&)>& drawImage);
