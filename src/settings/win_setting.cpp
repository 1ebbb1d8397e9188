#include "settings/win_setting.h"

#include <commctrl.h>

#include <algorithm>

#include <filesystem>

#include "controls/ud_numeral_edit.h"
#include "framework/application.h"
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/code_page_932.h"
#include "framework/color_dialog.h"
#include "framework/custom_edit.h"
#include "framework/dpi.h"
#include "framework/dpi_scale.h"
#include "framework/exception.h"
#include "framework/font_dialog.h"
#include "framework/group_box.h"
#include "framework/hot_key_control.h"
#include "framework/label.h"
#include "framework/open_dialog.h"
#include "framework/panel.h"
#include "framework/system_paths.h"
#include "menu/cool_menu.h"
#include "menu/menu_theme.h"
#include "settings/background_picture.h"
#include "settings/ini_gt.h"
#include "settings/ini_location.h"
#include "settings/picture_path.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"
#include "texts/texts.h"

namespace {

constexpr int DialogClientWidth = 440;
// Taller than the dialog first was by the rows below the banner group: the hotkey, starting
// with Windows, and the two background pictures (the groups above are full).
constexpr int DialogClientHeight = 467;
constexpr int PanelHeight = 41;
constexpr int NumberButtonWidth = 15;

constexpr wchar_t SampleText[] = L"ABCあいう";

// Item texts are Japanese: a font whose character set has no double-byte characters would
// show them as boxes. The double-byte sets are numbered 128 and up.
constexpr std::uint8_t FirstDoubleByteCharset = 128;

TFormDesign Design() {
  TFormDesign design;
  design.ClassName = L"TWinSetting";
  design.Caption = Text(TText::SettingsTitle);
  design.BorderStyle = TFormBorderStyle::bsDialog;
  design.Left = 205;
  design.Top = 133;
  design.Width = DialogClientWidth;
  design.Height = DialogClientHeight;
  return design;
}

// The side banner is as wide as 1.2 character heights, rounded, within its one byte. The width
// is a 96-dpi size, scaled where the menu shows; the font's height is one for `dpi`.
std::uint8_t BannerWidthFor(const TFontDescription& font, std::int32_t dpi) {
  const std::int32_t characterHeight = MulDivRounded(font.Height < 0 ? -font.Height : font.Height, DesignDpi, dpi);
  return static_cast<std::uint8_t>((characterHeight * 12 + 5) / 10);
}

// The default font, 9 points, for a screen of `dpi`: stored sizes are points.
TFontDescription DefaultFontAt(int dpi) {
  TFontDescription font;
  font.Height = ScaleForDpi(font.Height, dpi);
  return font;
}

// Keys the hotkey control shows as their own only with the extended flag (End, not Num 1).
bool IsExtendedKey(std::uint16_t key) {
  return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE || key == VK_DIVIDE ||
         key == VK_NUMLOCK;
}

std::wstring Joined(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const std::wstring& line : lines) text += (text.empty() ? L"" : L"\n") + line;
  return text;
}

}  // namespace

TWinSetting::TWinSetting(TComponent* owner, TCoolMenu& styler, TRebuildMenu rebuildMenu, TEnableGesture enableGesture,
                         TApplyHotkey applyHotkey, const TIniGTHost& host)
    : TForm(owner, Design()),
      FStyler(styler),
      FRebuildMenu(std::move(rebuildMenu)),
      FEnableGesture(std::move(enableGesture)),
      FApplyHotkey(std::move(applyHotkey)),
      FHost(host),
      FStartWithWindows(host.ExecutablePath()),
      // The DPI of the monitor the dialog opens on, which need not be the system's.
      FDpi(MonitorDpiAt({Left(), Top()})) {
  MakeControls();
  LayOut();
  SetMessageHandler(WM_DPICHANGED, [this](TMessage& message) { DpiChanged(message); });

  FIniGT = &Make<TIniGT>(host);
  UseAsSettingsFile(*FIniGT);

  FFontDialog = &Make<TFontDialog>();
  FColorDialog = &Make<TColorDialog>();
  FOPDialog = &Make<TOpenDialog>();
  FOPDialog->DefaultExt = L"BMP";
  FOPDialog->Filter = Text(TText::BitmapFilter);
  FOPDialog->FileMustExist = true;
  FOPDialog->Title = Text(TText::ChoosePicture);

  OnCreate = [this](TComponent* sender) { FormCreate(sender); };
  OnShow = [this](TComponent* sender) { FormShow(sender); };
  OnClose = [this](TComponent* sender) { FormClose(sender); };
  OnDestroy = [this](TComponent* sender) { FormDestroy(sender); };
}

template <typename T>
T& TWinSetting::Place(TWinControl* parent, int left, int top, int width, int height, bool ownFont) {
  T& control = Make<T>();
  FPlacements.push_back({&control, {left, top, left + width, top + height}, ownFont});
  // Windows are made in this order, which is the order Tab walks.
  if (parent)
    control.SetParent(parent);
  else
    control.SetParentWindow(Handle());
  return control;
}

void TWinSetting::MakeControls() {
  const auto button = [this](TWinControl* parent, int left, int top, int width, const std::wstring& caption,
                             void (TWinSetting::*handler)(TComponent*)) {
    TButton& made = Place<TButton>(parent, left, top, width, 25);
    made.SetCaption(caption);
    made.OnClick = [this, handler](TComponent* sender) { (this->*handler)(sender); };
    return &made;
  };
  const auto sample = [this](TWinControl* parent, int top, const std::wstring& caption) {
    TLabel& made = Place<TLabel>(parent, 104, top, 81, 25, true);
    made.SetFont(DefaultFontAt(FDpi));  // until the file names another
    made.SetColor(clWhite);
    made.SetCaption(caption);
    return &made;
  };
  const auto swatch = [this](TWinControl* parent, int top) { return &Place<TLabel>(parent, 104, top, 81, 25); };
  const auto group = [this](int left, int top, int height, const std::wstring& caption) {
    TGroupBox& made = Place<TGroupBox>(nullptr, left, top, 201, height);
    made.SetCaption(caption);
    return &made;
  };
  const auto checkBox = [this](int left, int top, int width, const std::wstring& caption) {
    TCheckBox& made = Place<TCheckBox>(nullptr, left, top, width, 17);
    made.SetCaption(caption);
    return &made;
  };
  const auto text = [this](TWinControl* parent, int left, int top, const std::wstring& caption) {
    TLabel& made = Place<TLabel>(parent, left, top, 0, 0);
    made.SetAutoSize(true);
    made.SetCaption(caption);
    return &made;
  };

  FGroupBox1 = group(8, 8, 105, Text(TText::ItemGroup));
  FBFont1 = button(FGroupBox1, 16, 24, 75, Text(TText::FontButton), &TWinSetting::BFont1Click);
  FLFont1 = sample(FGroupBox1, 24, SampleText);
  FBColor1 = button(FGroupBox1, 16, 56, 75, Text(TText::ColorButton), &TWinSetting::BColor1Click);
  FLColor1 = swatch(FGroupBox1, 56);

  FGroupBox2 = group(216, 8, 105, Text(TText::SelectedGroup));
  FBFont2 = button(FGroupBox2, 16, 24, 75, Text(TText::FontButton), &TWinSetting::BFont2Click);
  FLFont2 = sample(FGroupBox2, 24, SampleText);
  FBColor2 = button(FGroupBox2, 16, 56, 75, Text(TText::ColorButton), &TWinSetting::BColor2Click);
  FLColor2 = swatch(FGroupBox2, 56);

  FGroupBox3 = group(8, 120, 161, Text(TText::BannerGroup));
  FLabel1 = text(FGroupBox3, 16, 27, Text(TText::BannerText));
  FEText = &Place<TCustomEdit>(FGroupBox3, 104, 24, 81, 20);
  FEText->OnChange = [this](TComponent* sender) { ETextChange(sender); };
  FBBFont = button(FGroupBox3, 16, 56, 75, Text(TText::FontButton), &TWinSetting::BBFontClick);
  FLBFont = sample(FGroupBox3, 56, L"");
  FBBColor1 = button(FGroupBox3, 16, 88, 75, Text(TText::TopColorButton), &TWinSetting::BBColor1Click);
  FLBColor1 = swatch(FGroupBox3, 88);
  FBBColor2 = button(FGroupBox3, 16, 120, 75, Text(TText::BottomColorButton), &TWinSetting::BBColor2Click);
  FLBColor2 = swatch(FGroupBox3, 120);

  FCShowIcon = checkBox(224, 136, 193, Text(TText::ShowIcons));
  FCShowBanner = checkBox(224, 160, 201, Text(TText::ShowBanner));
  FCGesture = checkBox(224, 184, 193, Text(TText::Gesture));
  FCSplit = checkBox(224, 208, 97, Text(TText::SplitMenu));
  FLabel3 = text(nullptr, 256, 234, Text(TText::ColumnLengthBefore));
  FUDVertNum = &Place<TUDNumeralEdit>(nullptr, 288, 230, 57, 20);
  FUDVertNum->SetMin(MinColumnLength);
  FUDVertNum->SetMax(MaxColumnLength);
  FUDVertNum->SetNValue(MinColumnLength);
  FUDVertNum->SetIncrement(1);
  FUDVertNum->SetEditOptions(TEditOptions{TEditOption::eoRightAlign});
  FUDVertNum->SetWrap(false);
  FUDVertNum->SetKeyCheck(true);
  FLabel4 = text(nullptr, 352, 234, Text(TText::ColumnLengthAfter));
  FCVert = checkBox(256, 256, 161, Text(TText::VerticalBars));
  FLabelHotkey = text(nullptr, 16, 294, Text(TText::Hotkey));
  FHKHotkey = &Place<THotKeyControl>(nullptr, 104, 290, 121, 20);
  // The control cannot take the Windows key itself.
  FCHotkeyWin = checkBox(232, 291, 49, L"Win");
  FCStartup = checkBox(16, 318, 193, Text(TText::StartWithWindows));

  // Beneath the item groups, in the same columns.
  FGroupBox4 = group(8, 342, 76, Text(TText::ItemBackGroup));
  FBBG1 = button(FGroupBox4, 16, 20, 75, Text(TText::PictureButton), &TWinSetting::BBG1Click);
  FBNoBG1 = button(FGroupBox4, 104, 20, 81, Text(TText::NoPictureButton), &TWinSetting::BNoBG1Click);
  FLBG1 = &Place<TLabel>(FGroupBox4, 16, 52, 169, 14);
  FGroupBox5 = group(216, 342, 76, Text(TText::SelectedBackGroup));
  FBBG2 = button(FGroupBox5, 16, 20, 75, Text(TText::PictureButton), &TWinSetting::BBG2Click);
  FBNoBG2 = button(FGroupBox5, 104, 20, 81, Text(TText::NoPictureButton), &TWinSetting::BNoBG2Click);
  FLBG2 = &Place<TLabel>(FGroupBox5, 16, 52, 169, 14);

  FPanel1 = &Place<TPanel>(nullptr, 0, DialogClientHeight - PanelHeight, DialogClientWidth, PanelHeight);
  FBOK = button(FPanel1, 216, 8, 89, L"OK", &TWinSetting::BOKClick);
  FBCancel = button(FPanel1, 320, 8, 89, Text(TText::CancelButton), &TWinSetting::BCancelClick);
  SetDefaultButton(FBOK);
}

void TWinSetting::LayOut() {
  const auto scaled = [this](int value) { return ScaleForDpi(value, FDpi); };
  SetClientSize(scaled(DialogClientWidth), scaled(DialogClientHeight));
  // Grown for a high DPI, the dialog still lies within its screen's work area.
  const TRect work = WorkAreaAt({Left(), Top()});
  SetBounds(std::max(work.Left, std::min(Left(), work.Right - Width())),
            std::max(work.Top, std::min(Top(), work.Bottom - Height())), Width(), Height());
  const TFontDescription font = DefaultFontAt(FDpi);
  for (const TPlacement& placement : FPlacements) {
    const TRect& b = placement.Bounds;
    placement.Control->SetBounds(scaled(b.Left), scaled(b.Top), scaled(b.Width()), scaled(b.Height()));
    if (placement.OwnFont) continue;
    placement.Control->SetFont(font);
    // A label sized to its text measures it again in the new font.
    if (auto* label = dynamic_cast<TLabel*>(placement.Control); label && label->AutoSize()) label->SetAutoSize(true);
  }
  FUDVertNum->SetBtnWidth(scaled(NumberButtonWidth));
}

void TWinSetting::DpiChanged(TMessage& message) {
  FDpi = HIWORD(message.WParam);
  LayOut();
  const RECT& suggested = *reinterpret_cast<const RECT*>(message.LParam);
  ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  message.Result = 0;
}

THotkey TWinSetting::Hotkey() const {
  const WORD value = FHKHotkey->HotKey();
  const BYTE flags = HIBYTE(value);
  THotkey hotkey;
  hotkey.Key = LOBYTE(value);
  if (hotkey.Empty()) return {};
  if (FCHotkeyWin->Checked()) hotkey.Modifiers |= hmWin;
  if (flags & HOTKEYF_CONTROL) hotkey.Modifiers |= hmCtrl;
  if (flags & HOTKEYF_ALT) hotkey.Modifiers |= hmAlt;
  if (flags & HOTKEYF_SHIFT) hotkey.Modifiers |= hmShift;
  return hotkey;
}

void TWinSetting::SetHotkey(const THotkey& hotkey) {
  BYTE flags = IsExtendedKey(hotkey.Key) ? HOTKEYF_EXT : 0;
  if (hotkey.Modifiers & hmCtrl) flags |= HOTKEYF_CONTROL;
  if (hotkey.Modifiers & hmAlt) flags |= HOTKEYF_ALT;
  if (hotkey.Modifiers & hmShift) flags |= HOTKEYF_SHIFT;
  FHKHotkey->SetHotKey(hotkey.Empty() ? 0 : MAKEWORD(static_cast<BYTE>(hotkey.Key), flags));
  FCHotkeyWin->SetChecked(!hotkey.Empty() && (hotkey.Modifiers & hmWin));
}

void TWinSetting::ShowHotkey(std::vector<std::wstring>& problems, const TSettingKey& key) {
  THotkeyParse hotkey = ParseHotkey(FHotkeyText);
  const auto problem = [&](const std::wstring& why) {
    problems.push_back(L"[" + std::wstring(key.Section) + L"] " + key.Key + L"=" + FHotkeyText + L": " + why);
  };
  if (!hotkey.Hotkey) problem(hotkey.Problem);
  // A key the launcher must not take is not registered, like one it cannot read, and said once:
  // not again each time the dialog opens.
  if (const std::wstring refused = hotkey.Hotkey ? HotkeyRuleProblem(*hotkey.Hotkey) : L""; !refused.empty()) {
    if (FRefusedHotkeyText != FHotkeyText) problem(refused);
    FRefusedHotkeyText = FHotkeyText;
    hotkey.Hotkey.reset();
  }
  SetHotkey(hotkey.Hotkey.value_or(THotkey{}));
  // Read back, so that only a change by the user counts as one.
  FShownHotkey = Hotkey();
}

const std::wstring& TWinSetting::HotkeyToStore() {
  // A text this program cannot read shows as no hotkey; it is the user's all the same, and
  // stays until the user sets another.
  const THotkey shown = Hotkey();
  if (shown != FShownHotkey) {
    FHotkeyText = HotkeyText(shown);
    FShownHotkey = shown;
  }
  return FHotkeyText;
}

bool TWinSetting::ShowIcons() const { return FCShowIcon->Checked(); }
bool TWinSetting::SplitColumns() const { return FCSplit->Checked(); }
std::int32_t TWinSetting::ColumnLength() const { return BoundColumnLength(FUDVertNum->NValue()); }
bool TWinSetting::VerticalBars() const { return FCVert->Checked(); }

void TWinSetting::ReadFont(std::vector<std::wstring>& problems, const wchar_t* section, const wchar_t* key,
                           TLabel& sample) {
  TFontDescription font = sample.Font();
  try {
    FIniGT->ReadFont(section, key, font);
  } catch (const Exception& error) {
    problems.push_back(error.Message());
    font = DefaultFontAt(SystemDpi());
  }
  sample.SetFont(font);
}

void TWinSetting::ReadColor(std::vector<std::wstring>& problems, const wchar_t* section, const wchar_t* key,
                            TLabel& swatch, TColor defaultValue) {
  TColor color = defaultValue;
  try {
    color = FIniGT->ReadColor(section, key, defaultValue);
  } catch (const Exception& error) {
    problems.push_back(error.Message());
  }
  swatch.SetColor(color);
}

TWinSetting::TSettingPlace TWinSetting::PlaceOf(TSettingId id) {
  using enum TSettingId;
  switch (id) {
    case siItemFont: return {.Sample = FLFont1};
    case siSelectedFont: return {.Sample = FLFont2};
    case siBannerFont: return {.Sample = FLBFont};
    case siItemColor: return {.Swatch = FLColor1};
    case siSelectedColor: return {.Swatch = FLColor2};
    case siBannerTopColor: return {.Swatch = FLBColor1};
    case siBannerBottomColor: return {.Swatch = FLBColor2};
    case siShowIcons: return {.Switch = FCShowIcon};
    case siShowBanner: return {.Switch = FCShowBanner};
    case siVerticalBars: return {.Switch = FCVert};
    case siSplitColumns: return {.Switch = FCSplit};
    case siGesture: return {.Switch = FCGesture};
    case siColumnLength: return {.Number = FUDVertNum};
    case siBannerCaption: return {.Edit = FEText};
    case siNormalBack: return {.Path = &FNormalBackPath};
    case siActiveBack: return {.Path = &FActiveBackPath};
    case siHotkey: return {.HotkeyText = &FHotkeyText};
    case siLanguage: return {.Language = &FLanguage};
  }
  throw Exception(L"setting without a place in the dialog");
}

void TWinSetting::LoadSettings() {
  // A malformed value gives its setting the default and is reported once at the end, so it
  // neither hides the settings after it nor keeps the look from being applied.
  std::vector<std::wstring> problems;
  const std::wstring executable = FHost.ExecutablePath();
  const std::wstring windows = FHost.WindowsDirectory();
  for (const TSettingKey& key : SettingKeys()) {
    const TSettingPlace place = PlaceOf(key.Id);
    switch (key.Kind) {
      case TSettingKind::skFont:
        ReadFont(problems, key.Section, key.Key, *place.Sample);
        break;
      case TSettingKind::skColor:
        ReadColor(problems, key.Section, key.Key, *place.Swatch, static_cast<TColor>(key.Number));
        break;
      case TSettingKind::skSwitch:
        place.Switch->SetChecked(FIniGT->ReadBool(key.Section, key.Key, key.Number != 0));
        break;
      case TSettingKind::skNumber:
        place.Number->SetNValue(FIniGT->ReadInteger(key.Section, key.Key, key.Number));
        break;
      case TSettingKind::skText:
        place.Edit->SetText(FIniGT->ReadString(key.Section, key.Key, key.Text));
        break;
      case TSettingKind::skPicture:
        *place.Path = FIniGT->ReadString(key.Section, key.Key,
                                         IniFullPath(key.Text, TIniGTDefaultDir::ddApplication, executable, windows));
        break;
      case TSettingKind::skHotkey:
        *place.HotkeyText = FIniGT->ReadString(key.Section, key.Key, key.Text);
        ShowHotkey(problems, key);
        break;
      case TSettingKind::skLanguage:
        *place.Language = FIniGT->ReadString(key.Section, key.Key, key.Text);
        break;
    }
  }
  // A picture file that is missing or unreadable means no picture, without a word: the user
  // hears about a bad file when choosing it.
  for (auto [path, picture] : {std::pair{&FNormalBackPath, &FNormalBack}, std::pair{&FActiveBackPath, &FActiveBack}}) {
    if (path->empty())
      picture->SetSize(0, 0);
    else
      LoadBackgroundPicture(*path, *picture);
  }
  ShowBackgroundNames();
  FCStartup->SetChecked(FStartWithWindows.Enabled());
  // The swatches show the colours as the menus will, in the theme of the moment.
  for (TLabel* swatch : {FLColor1, FLColor2, FLBColor1, FLBColor2}) swatch->SetColorScheme(MenuColorScheme());
  if (!problems.empty()) Application().ShowException(Exception(Joined(problems)));
}

void TWinSetting::SaveSettings() {
  // All keys go into the file's text, which then replaces the file in one step.
  FIniGT->Update([this] {
    for (const TSettingKey& key : SettingKeys()) {
      const TSettingPlace place = PlaceOf(key.Id);
      switch (key.Kind) {
        case TSettingKind::skFont:
          FIniGT->WriteFont(key.Section, key.Key, place.Sample->Font());
          break;
        case TSettingKind::skColor:
          FIniGT->WriteColor(key.Section, key.Key, place.Swatch->Color());
          break;
        case TSettingKind::skSwitch:
          FIniGT->WriteBool(key.Section, key.Key, place.Switch->Checked());
          break;
        case TSettingKind::skNumber:
          FIniGT->WriteInteger(key.Section, key.Key, place.Number->NValue());
          break;
        case TSettingKind::skText:
          FIniGT->WriteString(key.Section, key.Key, place.Edit->Text());
          break;
        case TSettingKind::skPicture:
          FIniGT->WriteString(key.Section, key.Key, *place.Path);
          break;
        case TSettingKind::skHotkey:
          FIniGT->WriteString(key.Section, key.Key, HotkeyToStore());
          break;
        case TSettingKind::skLanguage:
          FIniGT->WriteString(key.Section, key.Key, *place.Language);
          break;
      }
    }
  });
}

void TWinSetting::ApplySettings() {
  FStyler.SetInActiveFont(FLFont1->Font());
  FStyler.SetInActiveColor(FLColor1->Color());
  FStyler.SetActiveFont(FLFont2->Font());
  FStyler.SetActiveColor(FLColor2->Color());
  TBanner& banner = FStyler.Banner();
  banner.SetFont(FLBFont->Font());
  banner.SetTopColor(FLBColor1->Color());
  banner.SetBottomColor(FLBColor2->Color());
  banner.SetBannerWidth(BannerWidthFor(FLBFont->Font(), SystemDpi()));
  banner.SetCaption(FEText->Text());
  banner.SetShowBanner(FCShowBanner->Checked());
  FStyler.SetInActiveBitmap(FNormalBack.Empty() ? nullptr : &FNormalBack);
  FStyler.SetActiveBitmap(FActiveBack.Empty() ? nullptr : &FActiveBack);
  FEnableGesture(FCGesture->Checked());
  FApplyHotkey(Hotkey());
  FRebuildMenu(*this);
}

void TWinSetting::FormCreate(TComponent*) {
  LoadSettings();
  ApplySettings();
}

void TWinSetting::FormShow(TComponent*) { LoadSettings(); }

void TWinSetting::FormClose(TComponent* sender) {
  // The close box discards the edits, as Cancel does.
  if (ModalResult() == mrNone) BCancelClick(sender);
}

void TWinSetting::FormDestroy(TComponent*) { SaveSettings(); }

std::wstring TWinSetting::Refusals() const {
  std::vector<std::wstring> problems;
  if (std::wstring refused = HotkeyRuleProblem(Hotkey()); !refused.empty()) problems.push_back(std::move(refused));
  // The file is Shift-JIS: a character it cannot hold would come back as "?".
  const std::pair<TText, std::wstring> texts[] = {
      {TText::BannerTextSetting, FEText->Text()},
      {TText::ItemFontSetting, FLFont1->Font().Name},
      {TText::SelectedFontSetting, FLFont2->Font().Name},
      {TText::BannerFontSetting, FLBFont->Font().Name},
  };
  for (const auto& [what, text] : texts) {
    if (const std::wstring misfits = Cp932Misfits(text); !misfits.empty())
      problems.push_back(Text(TText::NotStorable, {Text(what), text, misfits}));
  }
  return Joined(problems);
}

void TWinSetting::BOKClick(TComponent*) {
  // The controls take what the launcher or its file cannot; the dialog stays open to mend it.
  if (const std::wstring refused = Refusals(); !refused.empty()) {
    Application().ShowException(Exception(refused));
    return;
  }
  SetModalResult(mrOk);
  // A file that cannot be written is reported; the menu still takes the confirmed look.
  try {
    SaveSettings();
  } catch (const Exception& error) {
    Application().ShowException(error);
  }
  StoreStartup();
  ApplySettings();
}

void TWinSetting::StoreStartup() {
  try {
    FStartWithWindows.SetEnabled(FCStartup->Checked());
  } catch (const Exception& error) {
    Application().ShowException(error);
  }
}

void TWinSetting::BCancelClick(TComponent*) {
  SetModalResult(mrCancel);
  LoadSettings();
}

void TWinSetting::ChooseFont(TLabel& sample, bool needsDoubleByteCharset) {
  FFontDialog->SetFont(sample.Font());
  if (!FFontDialog->Execute(Handle())) return;
  if (needsDoubleByteCharset && FFontDialog->Font().Charset < FirstDoubleByteCharset) return;
  sample.SetFont(FFontDialog->Font());
}

void TWinSetting::BFont1Click(TComponent*) { ChooseFont(*FLFont1, true); }
void TWinSetting::BFont2Click(TComponent*) { ChooseFont(*FLFont2, true); }
void TWinSetting::BBFontClick(TComponent*) { ChooseFont(*FLBFont, false); }

void TWinSetting::ChooseColor(TLabel& swatch) {
  FColorDialog->SetColor(swatch.Color());
  if (FColorDialog->Execute(Handle())) swatch.SetColor(FColorDialog->Color());
}

void TWinSetting::BColor1Click(TComponent*) { ChooseColor(*FLColor1); }
void TWinSetting::BColor2Click(TComponent*) { ChooseColor(*FLColor2); }
void TWinSetting::BBColor1Click(TComponent*) { ChooseColor(*FLBColor1); }
void TWinSetting::BBColor2Click(TComponent*) { ChooseColor(*FLBColor2); }

void TWinSetting::ETextChange(TComponent*) { FLBFont->SetCaption(FEText->Text()); }

void TWinSetting::ChooseBackground(std::wstring& path, TBitmap& picture) {
  FOPDialog->SetFileName(path);
  FOPDialog->InitialDir = std::filesystem::path(path).parent_path().wstring();
  if (!FOPDialog->Execute(Handle())) return;
  // A file that gives no picture, or whose name the file cannot hold, is reported and leaves
  // the choice as it was.
  const TStorablePath stored = StorablePicturePath(FOPDialog->FileName(), ShortPathName);
  TBitmap chosen;
  const std::wstring problem =
      stored.Problem.empty() ? LoadBackgroundPicture(FOPDialog->FileName(), chosen) : stored.Problem;
  if (!problem.empty()) {
    Application().ShowException(Exception(problem));
    return;
  }
  path = stored.Path;
  picture.Assign(&chosen);
  ShowBackgroundNames();
}

void TWinSetting::RemoveBackground(std::wstring& path, TBitmap& picture) {
  // An empty path, unlike a missing key, stays empty at the next start.
  path.clear();
  picture.SetSize(0, 0);
  ShowBackgroundNames();
}

void TWinSetting::ShowBackgroundNames() {
  const auto name = [](const std::wstring& path, const TBitmap& picture) {
    if (IsUnreadableStoredPath(path)) return Text(TText::UnreadableName);
    return picture.Empty() ? Text(TText::NoPicture) : std::filesystem::path(path).filename().wstring();
  };
  FLBG1->SetCaption(name(FNormalBackPath, FNormalBack));
  FLBG2->SetCaption(name(FActiveBackPath, FActiveBack));
}

void TWinSetting::BBG1Click(TComponent*) { ChooseBackground(FNormalBackPath, FNormalBack); }
void TWinSetting::BBG2Click(TComponent*) { ChooseBackground(FActiveBackPath, FActiveBack); }
void TWinSetting::BNoBG1Click(TComponent*) { RemoveBackground(FNormalBackPath, FNormalBack); }
void TWinSetting::BNoBG2Click(TComponent*) { RemoveBackground(FActiveBackPath, FActiveBack); }
