#include "menu/attach_flags.h"

unsigned OwnerDrawFlags(const TAttachItem& item) {
  unsigned flags = mfOwnerDraw;
  if (item.Checked) flags |= mfChecked;
  if (!item.Enabled) flags |= mfDisabledGrayed;
  if (item.Default) flags |= mfsDefault;
  if (item.RadioItem) flags |= mftRadioCheck;
  if (item.Separator) flags |= mfSeparator;
  if (item.Break == TColumnBreak::NewColumn) flags |= mfMenuBreak;
  if (item.Break == TColumnBreak::NewColumnWithBar) flags |= mfMenuBarBreak;
  return flags;
}
