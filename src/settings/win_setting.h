#pragma once
// TWinSetting: the dialog "表示の設定". Its controls are the display settings themselves; it
// keeps them in the INI file beside the executable, hands the look to the launcher menu's
// styler, and holds the four settings the menu builder reads.
#include <functional>
#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/form.h"
#include "framework/geometry.h"
#include "settings/hotkey_text.h"
#include "settings/ini_gt_host.h"
#include "settings/menu_build_settings.h"
#include "settings/setting_keys.h"
#include "settings/start_with_windows.h"

class TButton;
class TCheckBox;
class TColorDialog;
class TCoolMenu;
class TCustomEdit;
class TFontDialog;
class TGroupBox;
class THotKeyControl;
class TIniGT;
class TLabel;
class TOpenDialog;
class TPanel;
class TUDNumeralEdit;
class TWinControl;

class TWinSetting : public TForm, public TMenuBuildSettings {
public:
  // Rebuilds the launcher menu with the build settings this dialog holds; the dialog hands
  // itself over, since its own creation makes the first build.
  using TRebuildMenu = std::function<void(TMenuBuildSettings& holder)>;
  // Switches the circle gesture on or off.
  using TEnableGesture = std::function<void(bool enabled)>;
  // Registers the launcher's hotkey in place of the one before (none when it is empty).
  using TApplyHotkey = std::function<void(const THotkey& hotkey)>;

  // `styler`, `rebuildMenu`, `enableGesture` and `applyHotkey` come from the main window, which
  // outlives the dialog; `host` places the INI file and the background pictures beside the
  // executable.
  TWinSetting(TComponent* owner, TCoolMenu& styler, TRebuildMenu rebuildMenu, TEnableGesture enableGesture,
              TApplyHotkey applyHotkey, const TIniGTHost& host);

  void LoadSettings();
  void SaveSettings();
  void ApplySettings();

  void FormCreate(TComponent* sender);
  void FormShow(TComponent* sender);
  void FormClose(TComponent* sender);
  void FormDestroy(TComponent* sender);
  void BOKClick(TComponent* sender);
  void BCancelClick(TComponent* sender);
  void BFont1Click(TComponent* sender);
  void BFont2Click(TComponent* sender);
  void BBFontClick(TComponent* sender);
  void BColor1Click(TComponent* sender);
  void BColor2Click(TComponent* sender);
  void BBColor1Click(TComponent* sender);
  void BBColor2Click(TComponent* sender);
  void ETextChange(TComponent* sender);
  void BBG1Click(TComponent* sender);
  void BBG2Click(TComponent* sender);
  void BNoBG1Click(TComponent* sender);
  void BNoBG2Click(TComponent* sender);

  bool ShowIcons() const override;
  bool SplitColumns() const override;
  std::int32_t ColumnLength() const override;
  bool VerticalBars() const override;

  TButton& BFont1() const { return *FBFont1; }
  TLabel& LFont1() const { return *FLFont1; }
  TButton& BColor1() const { return *FBColor1; }
  TLabel& LColor1() const { return *FLColor1; }
  TButton& BFont2() const { return *FBFont2; }
  TLabel& LFont2() const { return *FLFont2; }
  TButton& BColor2() const { return *FBColor2; }
  TLabel& LColor2() const { return *FLColor2; }
  TCustomEdit& EText() const { return *FEText; }
  TButton& BBFont() const { return *FBBFont; }
  TLabel& LBFont() const { return *FLBFont; }
  TButton& BBColor1() const { return *FBBColor1; }
  TLabel& LBColor1() const { return *FLBColor1; }
  TButton& BBColor2() const { return *FBBColor2; }
  TLabel& LBColor2() const { return *FLBColor2; }
  TCheckBox& CShowIcon() const { return *FCShowIcon; }
  TCheckBox& CShowBanner() const { return *FCShowBanner; }
  TCheckBox& CGesture() const { return *FCGesture; }
  TCheckBox& CSplit() const { return *FCSplit; }
  TUDNumeralEdit& UDVertNum() const { return *FUDVertNum; }
  TCheckBox& CVert() const { return *FCVert; }
  THotKeyControl& HKHotkey() const { return *FHKHotkey; }
  TCheckBox& CHotkeyWin() const { return *FCHotkeyWin; }
  TCheckBox& CStartup() const { return *FCStartup; }
  TButton& BBG1() const { return *FBBG1; }
  TButton& BNoBG1() const { return *FBNoBG1; }
  TLabel& LBG1() const { return *FLBG1; }
  TButton& BBG2() const { return *FBBG2; }
  TButton& BNoBG2() const { return *FBNoBG2; }
  TLabel& LBG2() const { return *FLBG2; }
  TOpenDialog& OPDialog() const { return *FOPDialog; }
  // The hotkey as the control and the Win check box hold it.
  THotkey Hotkey() const;
  void SetHotkey(const THotkey& hotkey);
  TButton& BOK() const { return *FBOK; }
  TButton& BCancel() const { return *FBCancel; }
  TIniGT& IniGT() const { return *FIniGT; }
  const std::wstring& NormalBackPath() const { return FNormalBackPath; }
  const std::wstring& ActiveBackPath() const { return FActiveBackPath; }
  const TBitmap& NormalBack() const { return FNormalBack; }
  const TBitmap& ActiveBack() const { return FActiveBack; }
  // The DPI the dialog is laid out for.
  int Dpi() const { return FDpi; }

private:
  // Where a stored setting lives in the dialog; one member is set, as its kind asks.
  struct TSettingPlace {
    TLabel* Sample = nullptr;  // a font
    TLabel* Swatch = nullptr;  // a colour
    TCheckBox* Switch = nullptr;
    TUDNumeralEdit* Number = nullptr;
    TCustomEdit* Edit = nullptr;
    std::wstring* Path = nullptr;  // a picture's
    std::wstring* HotkeyText = nullptr;  // the hotkey as the file holds it
    std::wstring* Language = nullptr;    // kept as the file holds it: the dialog does not show it
  };
  TSettingPlace PlaceOf(TSettingId id);

  // A control and its bounds at 96 dpi; `ownFont` marks a sample showing a chosen font.
  struct TPlacement {
    TWinControl* Control;
    TRect Bounds;
    bool OwnFont;
  };
  template <typename T>
  T& Place(TWinControl* parent, int left, int top, int width, int height, bool ownFont = false);
  void MakeControls();
  // Sizes and places the controls, with the default font, for FDpi.
  void LayOut();
  // The window moved to a screen of another DPI: take the place the system suggests.
  void DpiChanged(TMessage& message);
  void ChooseFont(TLabel& sample, bool needsDoubleByteCharset);
  void ChooseColor(TLabel& swatch);
  void ChooseBackground(std::wstring& path, TBitmap& picture);
  void RemoveBackground(std::wstring& path, TBitmap& picture);
  // The labels name the pictures in use.
  void ShowBackgroundNames();
  void ReadFont(std::vector<std::wstring>& problems, const wchar_t* section, const wchar_t* key, TLabel& sample);
  void ReadColor(std::vector<std::wstring>& problems, const wchar_t* section, const wchar_t* key, TLabel& swatch,
                 TColor defaultValue);
  // Puts the Run value in place of the one before, as the check box says; a refusal is shown.
  void StoreStartup();
  // Puts the stored hotkey into the controls; a text that cannot be read, or a key the launcher
  // must not take, is reported and shows as none.
  void ShowHotkey(std::vector<std::wstring>& problems, const TSettingKey& key);
  // What OK must not take, for the user: a hotkey against the launcher's rules, texts the
  // file cannot hold. "" when there is none.
  std::wstring Refusals() const;
  // The text to save: the stored one while the controls hold what it showed.
  const std::wstring& HotkeyToStore();

  TCoolMenu& FStyler;
  TRebuildMenu FRebuildMenu;
  TEnableGesture FEnableGesture;
  TApplyHotkey FApplyHotkey;
  const TIniGTHost& FHost;
  TStartWithWindows FStartWithWindows;
  int FDpi;
  std::vector<TPlacement> FPlacements;

  TGroupBox* FGroupBox1;
  TButton* FBFont1;
  TLabel* FLFont1;
  TButton* FBColor1;
  TLabel* FLColor1;
  TGroupBox* FGroupBox2;
  TButton* FBFont2;
  TLabel* FLFont2;
  TButton* FBColor2;
  TLabel* FLColor2;
  TGroupBox* FGroupBox3;
  TLabel* FLabel1;
  TCustomEdit* FEText;
  TButton* FBBFont;
  TLabel* FLBFont;
  TButton* FBBColor1;
  TLabel* FLBColor1;
  TButton* FBBColor2;
  TLabel* FLBColor2;
  TCheckBox* FCShowIcon;
  TCheckBox* FCShowBanner;
  TCheckBox* FCGesture;
  TCheckBox* FCSplit;
  TLabel* FLabel3;
  TUDNumeralEdit* FUDVertNum;
  TLabel* FLabel4;
  TCheckBox* FCVert;
  TLabel* FLabelHotkey;
  THotKeyControl* FHKHotkey;
  TCheckBox* FCHotkeyWin;
  TCheckBox* FCStartup;
  TGroupBox* FGroupBox4;
  TButton* FBBG1;
  TButton* FBNoBG1;
  TLabel* FLBG1;
  TGroupBox* FGroupBox5;
  TButton* FBBG2;
  TButton* FBNoBG2;
  TLabel* FLBG2;
  TPanel* FPanel1;
  TButton* FBOK;
  TButton* FBCancel;
  TIniGT* FIniGT;
  TFontDialog* FFontDialog;
  TColorDialog* FColorDialog;
  TOpenDialog* FOPDialog;

  TBitmap FNormalBack;
  TBitmap FActiveBack;
  std::wstring FNormalBackPath;
  std::wstring FActiveBackPath;
  std::wstring FHotkeyText;  // as the file holds it
  std::wstring FLanguage;    // as the file holds it
  THotkey FShownHotkey;      // what that text put into the controls
  std::wstring FRefusedHotkeyText;  // a stored key already reported as one not to take
};
