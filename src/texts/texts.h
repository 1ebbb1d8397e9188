#pragma once
// Every text the program shows, in Japanese and in English, and the language it speaks. The
// language is chosen once at start; until then, and in programs that never choose, it is
// Japanese, the program's first language. Stored files never hold these texts.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

enum class TLanguage { Japanese, English };

enum class TText {
  // The command menu.
  CommandSettings,
  CommandOpenMenuFolder,
  CommandExit,
  // The launcher menus' own items and notes.
  OpenThisFolder,
  Cancel,
  EmptyMenuFolder,
  NoMenuFolder,
  OpenMenuFolder,
  Loading,
  NoAnswer,
  // The search over the whole tree.
  SearchRow,
  SearchNotFound,
  SearchMore,
  SearchIncomplete,
  // Messages of the launcher.
  FolderMissing,
  FolderNotAnswering,
  NotAnswering,
  RunningElsewhere,
  HotkeyTaken,
  TrayRefused,
  UnknownError,
  Warning,
  // The window menu.
  SysSize,
  SysMove,
  SysMinimize,
  SysMaximize,
  SysClose,
  SysRestore,
  // The settings dialog.
  SettingsTitle,
  ItemGroup,
  SelectedGroup,
  FontButton,
  ColorButton,
  BannerGroup,
  BannerText,
  TopColorButton,
  BottomColorButton,
  ShowIcons,
  ShowBanner,
  Gesture,
  SplitMenu,
  ColumnLengthBefore,
  ColumnLengthAfter,
  VerticalBars,
  Hotkey,
  StartWithWindows,
  ItemBackGroup,
  SelectedBackGroup,
  PictureButton,
  NoPictureButton,
  CancelButton,
  BitmapFilter,
  ChoosePicture,
  NoPicture,
  UnreadableName,
  BannerTextSetting,
  ItemFontSetting,
  SelectedFontSetting,
  BannerFontSetting,
  NotStorable,
  PictureNotStorable,
  PictureUnopenable,
  PictureMalformed,
  PictureEmpty,
  PictureTooLarge,
  FenceModeWarning,
  // Values typed or read.
  NotAnInteger,
  NotAValidInteger,
  CannotWrite,
  HotkeyEmptyPart,
  HotkeyModifierTwice,
  HotkeyModifierLate,
  HotkeyUnknownKey,
  HotkeyTwoKeys,
  HotkeyNoKey,
  HotkeyF12,
  HotkeyNeedsModifier,
  // Failures of the system's calls.
  NoScreenContext,
  NoBrush,
  NoPen,
  NoParentWindow,
  NoControl,
  NoControlClass,
  NoBitmap,
  NoBitmapContext,
  BitmapUnreadable,
  BitmapResourceUnreadable,
  BitmapPixelsUnreadable,
  NoMonochromeBitmap,
  ModalTwice,
  IconUnreadable,
  NoImageList,
  ImageListAddIcon,
  ImageListReplaceIcon,
  ImageListAddPicture,
  ImageListResize,
  ImageListRange,
  ImageListTakeIcon,
  NoWindowClass,
  NoContext,
  NoWindow,
  RegistryUnopenable,
  RegistryUnwritable,
  RegistryUndeletable,
  TooManyMenuItems,
  MenuItemElsewhere,
  MenuItemInItself,
  NoMenu,
  NoFont,
  FontUnreadable,
  CanvasUnbound,
  NoMeasuringContext,
  NoBannerFont,
  MenuStyleWithoutForm,
  OwnerDrawFailed,
  NoMenuFont,
};

// The texts' language: Japanese when Windows speaks Japanese to the user, English otherwise,
// unless the INI's `setting` says "ja" or "en". `uiLanguage` is a LANGID.
TLanguage ChooseLanguage(std::wstring_view setting, std::uint16_t uiLanguage);
void SetLanguage(TLanguage language);
TLanguage Language();

// `id` in the chosen language.
const std::wstring& Text(TText id);
// The same with %1, %2 ... replaced by `values`, in one pass: a value is never read again.
std::wstring Text(TText id, std::initializer_list<std::wstring_view> values);

const std::wstring& TextIn(TLanguage language, TText id);
// Ids run from 0 to TextCount - 1, for going over the table.
inline constexpr int TextCount = static_cast<int>(TText::NoMenuFont) + 1;
