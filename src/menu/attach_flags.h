#pragma once
// The platform flags that make a menu entry owner-drawn while keeping its state and column
// break. Values are the platform's MF_/MFS_/MFT_ bits.
inline constexpr unsigned mfOwnerDraw = 0x100;
inline constexpr unsigned mfChecked = 0x8;
inline constexpr unsigned mfDisabledGrayed = 0x3;
inline constexpr unsigned mfsDefault = 0x1000;
inline constexpr unsigned mftRadioCheck = 0x200;
inline constexpr unsigned mfSeparator = 0x800;
inline constexpr unsigned mfMenuBreak = 0x40;
inline constexpr unsigned mfMenuBarBreak = 0x20;

// The bits that describe an entry's type; the rest describe its state.
inline constexpr unsigned AttachTypeMask = mfOwnerDraw | mftRadioCheck | mfSeparator | mfMenuBreak | mfMenuBarBreak;

enum class TColumnBreak { None, NewColumn, NewColumnWithBar };

struct TAttachItem {
  bool Checked = false;
  bool Enabled = true;
  bool Default = false;
  bool RadioItem = false;
  bool Separator = false;
  TColumnBreak Break = TColumnBreak::None;
};

unsigned OwnerDrawFlags(const TAttachItem& item);
