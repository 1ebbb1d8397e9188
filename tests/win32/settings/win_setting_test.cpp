#include "settings/win_setting.h"

#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <optional>
#include <sstream>
#include <vector>

#include "controls/ud_numeral_edit.h"
#include "framework/application.h"
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/code_page_932.h"
#include "framework/custom_edit.h"
#include "framework/dpi_scale.h"
#include "framework/hot_key_control.h"
#include "framework/label.h"
#include "framework/system_colors.h"
#include "framework/system_paths.h"
#include "framework/whole_file.h"
#include "menu/cool_menu.h"
#include "settings/setting_keys.h"
#include "controls/window_capture.h"
#include "support/message_pump.h"
#include "support/settings_host.h"
#include "support/temp_folder.h"
#include "support/test_forms.h"
#include "texts/texts.h"

namespace {

// Runs `step` from a timer inside whatever modal loop is running, until it returns true or
// `timeoutMs` passed; then `giveUp` ends the loop so that no test hangs on an open window.
class TModalDriver {
public:
  TModalDriver(std::function<bool()> step, std::function<void()> giveUp, unsigned timeoutMs = 5000)
      : FStep(std::move(step)), FGiveUp(std::move(giveUp)), FDeadline(NowMs() + timeoutMs) {
    Current() = this;
    FTimer = ::SetTimer(nullptr, 0, 50, &Tick);
  }
  ~TModalDriver() {
    ::KillTimer(nullptr, FTimer);
    Current() = nullptr;
  }
  TModalDriver(const TModalDriver&) = delete;
  TModalDriver& operator=(const TModalDriver&) = delete;

  bool TimedOut() const { return FTimedOut; }

private:
  static TModalDriver*& Current() {
    static TModalDriver* current = nullptr;
    return current;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TModalDriver* self = Current();
    if (!self || self->FDone || self->FRunning) return;  // a step may pump messages itself
    self->FRunning = true;
    if (NowMs() > self->FDeadline) {
      self->FDone = self->FTimedOut = true;
      self->FGiveUp();
    } else {
      self->FDone = self->FStep();
    }
    self->FRunning = false;
  }

  std::function<bool()> FStep;
  std::function<void()> FGiveUp;
  unsigned long long FDeadline;
  UINT_PTR FTimer = 0;
  bool FDone = false;
  bool FRunning = false;
  bool FTimedOut = false;
};

BOOL CALLBACK FindSystemDialog(HWND window, LPARAM result) {
  wchar_t name[16] = {};
  ::GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

// The system's dialog (font, colour) that our thread shows now, if any.
HWND SystemDialog() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindSystemDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

void PressDialogButton(HWND dialog, int id) {
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

class WinSettingTest : public ::testing::Test {
protected:
  WinSettingTest()
      : host(folder / L"tamarind.exe"),
        owner(MakeComponent<TForm>(TestFormDesign(L"TSettingOwner", 20, 20, TFormBorderStyle::bsSingle))),
        styler(owner->Make<TCoolMenu>()) {}

  // The dialog as the program makes it: created, loaded, applied.
  TWinSetting& Create() {
    dialog = MakeComponent<TWinSetting>(styler, [this](TMenuBuildSettings& holder) {
      EXPECT_EQ(&holder, static_cast<TMenuBuildSettings*>(dialog.get()));
      ++rebuilds;
    }, [this](bool enabled) { gestureSwitches.push_back(enabled); },
        [this](const THotkey& hotkey) { hotkeys.push_back(hotkey); }, host);
    dialog->DoCreate();
    return *dialog;
  }
  std::wstring IniPath() const { return folder / L"Tamarind.ini"; }
  void StoreIni(const std::wstring& text) const { folder.WriteFile(L"Tamarind.ini", ToCp932(text)); }
  std::wstring StoredIni() const { return FromCp932(ReadWholeFile(IniPath()).Bytes); }
  static void Click(TWinControl& control) { ::SendMessageW(control.Handle(), BM_CLICK, 0, 0); }

  TTempFolder folder;
  TQuietSettingsHost host;
  TComponentPtr<TForm> owner;
  TCoolMenu& styler;
  TComponentPtr<TWinSetting> dialog;
  int rebuilds = 0;
  std::vector<bool> gestureSwitches;  // as applied to the main window
  std::vector<THotkey> hotkeys;       // as applied to the main window
};

TEST_F(WinSettingTest, WithoutAFileEverySettingHasItsDefaultAndTheFirstSaveWritesEveryKeyInOrder) {
  TWinSetting& d = Create();
  EXPECT_EQ(rebuilds, 1);  // the first build of the launcher menu
  EXPECT_EQ(d.LFont1().Font(), TFontDescription{});
  EXPECT_EQ(d.LFont2().Font(), TFontDescription{});
  EXPECT_EQ(d.LBFont().Font(), TFontDescription{});
  EXPECT_EQ(d.LColor1().Color(), clMenu);
  EXPECT_EQ(d.LColor2().Color(), clHighlight);
  EXPECT_EQ(d.LBColor1().Color(), clWhite);
  EXPECT_EQ(d.LBColor2().Color(), clBlack);
  EXPECT_TRUE(d.CShowIcon().Checked() && d.CShowBanner().Checked() && d.CSplit().Checked() && d.CVert().Checked());
  EXPECT_TRUE(d.ShowIcons() && d.SplitColumns() && d.VerticalBars());
  EXPECT_TRUE(d.CGesture().Checked());
  EXPECT_EQ(gestureSwitches, std::vector<bool>{true});
  EXPECT_EQ(d.ColumnLength(), 20);
  EXPECT_EQ(d.EText().Text(), L"Tamarind");
  EXPECT_EQ(d.LBFont().Caption(), L"Tamarind");
  EXPECT_EQ(styler.Banner().Caption(), L"Tamarind");
  EXPECT_EQ(styler.Banner().BannerWidth(), 14);  // 12-pixel font
  EXPECT_TRUE(styler.Banner().ShowBanner());
  EXPECT_EQ(styler.InActiveColor(), clMenu);
  EXPECT_FALSE(::IsWindowVisible(d.Handle()));

  // Missing pictures are no error; their paths are written back.
  dialog.reset();  // the program's end saves
  const std::wstring font = L".Name=ＭＳ Ｐゴシック\r\n{0}.Size=9\r\n{0}.Style=0\r\n{0}.Color=0x80000008\r\n";
  const auto fontKeys = [&](const std::wstring& key) {
    std::wstring text = key + font;
    for (std::size_t at; (at = text.find(L"{0}")) != std::wstring::npos;) text.replace(at, 3, key);
    return text;
  };
  EXPECT_EQ(StoredIni(), L"[Menu]\r\n" + fontKeys(L"Font1") + fontKeys(L"Font2") +
                             L"Color1=0x80000004\r\nColor2=0x8000000D\r\nVert=1\r\nSplit=1\r\nVertNum=20\r\n"
                             L"BG1=" + folder.Path() + L"\\NormalBack.Bmp\r\nBG2=" + folder.Path() +
                             L"\\ActiveBack.Bmp\r\n\r\n[Banner]\r\n" + fontKeys(L"Font") +
                             L"Color1=0x00FFFFFF\r\nColor2=0x00000000\r\nShow=1\r\nCaption=Tamarind\r\n\r\n"
                             L"[Icon]\r\nShow=1\r\n\r\n[Gesture]\r\nEnabled=1\r\n\r\n[Hotkey]\r\nKey=\r\n\r\n[Interface]\r\nLanguage=\r\n");
  // Key for key the table the user guide's reference is made from.
  std::vector<std::pair<std::wstring, std::wstring>> written;
  std::wstring section;
  std::wistringstream lines(StoredIni());
  for (std::wstring line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    if (line.starts_with(L"[")) section = line.substr(1, line.size() - 2);
    else if (const size_t equals = line.find(L'='); equals != std::wstring::npos)
      written.emplace_back(section, line.substr(0, equals));
  }
  EXPECT_EQ(written, StoredKeys());
}

TEST_F(WinSettingTest, TheGestureSwitchSitsBetweenBannerAndSplitAndReachesTheMainWindowOnOk) {
  StoreIni(L"[Menu]\r\nSplit=1\r\n[Gesture]\r\nEnabled=0\r\n");
  TWinSetting& d = Create();
  EXPECT_FALSE(d.CGesture().Checked());
  EXPECT_EQ(gestureSwitches, std::vector<bool>{false});

  RECT box{};
  ::GetWindowRect(d.CGesture().Handle(), &box);
  ::MapWindowPoints(nullptr, d.Handle(), reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.left, 224);
  EXPECT_EQ(box.top, 184);
  EXPECT_EQ(box.bottom - box.top, 17);
  wchar_t caption[32] = {};
  ::GetWindowTextW(d.CGesture().Handle(), caption, 32);
  EXPECT_EQ(std::wstring(caption), L"円を描いてメニューを開く");
  // Tab goes from the banner switch to this one, then on to the split switch.
  EXPECT_EQ(::GetNextDlgTabItem(d.Handle(), d.CShowBanner().Handle(), FALSE), d.CGesture().Handle());
  EXPECT_EQ(::GetNextDlgTabItem(d.Handle(), d.CGesture().Handle(), FALSE), d.CSplit().Handle());

  Click(d.CGesture());
  EXPECT_TRUE(d.CGesture().Checked());
  Click(d.BCancel());  // nothing applied, the file's value back
  EXPECT_FALSE(d.CGesture().Checked());
  EXPECT_EQ(gestureSwitches, std::vector<bool>{false});
  Click(d.CGesture());
  Click(d.BOK());
  EXPECT_EQ(gestureSwitches, (std::vector<bool>{false, true}));
  const std::wstring stored = StoredIni();
  EXPECT_NE(stored.find(L"[Gesture]\r\nEnabled=1\r\n"), std::wstring::npos) << stored;
}

TEST_F(WinSettingTest, TheHotkeyRowSitsBelowTheOthersReadsTheFileAndReachesTheMainWindowOnOk) {
  StoreIni(L"[Menu]\r\nVertNum=7\r\n[Hotkey]\r\nKey=shift+win+l\r\n[Interface]\r\nLanguage=en\r\n");
  TWinSetting& d = Create();
  const THotkey winShiftL{hmWin | hmShift, 'L'};
  EXPECT_EQ(hotkeys, std::vector<THotkey>{winShiftL});
  EXPECT_EQ(d.HKHotkey().HotKey(), MAKEWORD('L', HOTKEYF_SHIFT));
  EXPECT_TRUE(d.CHotkeyWin().Checked());

  const auto placeOf = [&](HWND control) {
    RECT box{};
    ::GetWindowRect(control, &box);
    ::MapWindowPoints(nullptr, d.Handle(), reinterpret_cast<POINT*>(&box), 2);
    return box;
  };
  const RECT field = placeOf(d.HKHotkey().Handle());
  const RECT win = placeOf(d.CHotkeyWin().Handle());
  EXPECT_EQ(field.left, 104);
  EXPECT_EQ(field.top, 290);
  EXPECT_EQ(win.left, 232);
  const RECT vert = placeOf(d.CVert().Handle());  // the controls above keep their places
  EXPECT_EQ(vert.left, 256);
  EXPECT_EQ(vert.top, 256);
  EXPECT_GE(field.top, 120 + 161);  // below the banner group
  wchar_t className[32] = {};
  ::GetClassNameW(d.HKHotkey().Handle(), className, 32);
  EXPECT_EQ(std::wstring(className), L"msctls_hotkey32");
  EXPECT_EQ(::GetNextDlgTabItem(d.Handle(), d.CVert().Handle(), FALSE), d.HKHotkey().Handle());
  EXPECT_EQ(::GetNextDlgTabItem(d.Handle(), d.HKHotkey().Handle(), FALSE), d.CHotkeyWin().Handle());

  ::SendMessageW(d.HKHotkey().Handle(), HKM_SETHOTKEY, MAKEWORD(VK_SPACE, HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
  Click(d.CHotkeyWin());
  Click(d.BOK());
  EXPECT_EQ(hotkeys, (std::vector<THotkey>{winShiftL, THotkey{hmCtrl | hmAlt, VK_SPACE}}));
  const std::wstring stored = StoredIni();
  EXPECT_NE(stored.find(L"[Hotkey]\r\nKey=Ctrl+Alt+Space\r\n"), std::wstring::npos) << stored;
  EXPECT_NE(stored.find(L"VertNum=7\r\n"), std::wstring::npos) << stored;
  EXPECT_NE(stored.find(L"[Interface]\r\nLanguage=en\r\n"), std::wstring::npos) << stored;  // not shown, kept

  // A value that cannot be read is reported once and leaves no hotkey; the rest is read.
  StoreIni(L"[Menu]\r\nVertNum=9\r\n[Hotkey]\r\nKey=Ctrl+Alt+Spcae\r\n");
  std::vector<std::wstring> errors;
  Application().OnException = [&](const std::wstring& message) { errors.push_back(message); };
  d.LoadSettings();
  Application().OnException = nullptr;
  EXPECT_EQ(errors, std::vector<std::wstring>{L"[Hotkey] Key=Ctrl+Alt+Spcae: 「Spcae」はキーの名前ではありません"});
  EXPECT_TRUE(d.Hotkey().Empty());
  EXPECT_FALSE(d.CHotkeyWin().Checked());
  EXPECT_EQ(d.ColumnLength(), 9);
}

TEST_F(WinSettingTest, AnUnreadableHotkeyIsReportedAndKeptInTheFileUntilTheUserSetsAnother) {
  StoreIni(L"[Menu]\r\nVertNum=9\r\n[Hotkey]\r\nKey=Ctrl+Alt+Spcae\r\n");
  std::vector<std::wstring> errors;
  Application().OnException = [&](const std::wstring& message) { errors.push_back(message); };
  TWinSetting& d = Create();
  EXPECT_EQ(errors, std::vector<std::wstring>{L"[Hotkey] Key=Ctrl+Alt+Spcae: 「Spcae」はキーの名前ではありません"});
  EXPECT_EQ(hotkeys, std::vector<THotkey>{THotkey{}});
  const auto storedKey = [&] {
    const std::wstring stored = StoredIni();
    const std::wstring_view line = L"[Hotkey]\r\nKey=";
    const size_t at = stored.find(line);
    if (at == std::wstring::npos) return std::wstring(L"(none)");
    const size_t value = at + line.size();
    return stored.substr(value, stored.find(L'\r', value) - value);
  };
  // Each way a save comes: OK with other edits, an opening and Cancel, and the program's end.
  const struct {
    const char* Step;
    std::function<void()> Act;
    std::wstring Key;
  } steps[] = {
      {"OK with another setting changed", [&] { d.UDVertNum().SetNValue(12); Click(d.BOK()); }, L"Ctrl+Alt+Spcae"},
      {"opened, cancelled, saved", [&] { d.FormShow(&d); Click(d.BCancel()); d.SaveSettings(); }, L"Ctrl+Alt+Spcae"},
      {"a hotkey set by the user",
       [&] {
         ::SendMessageW(d.HKHotkey().Handle(), HKM_SETHOTKEY, MAKEWORD(VK_F9, HOTKEYF_SHIFT), 0);
         Click(d.BOK());
       },
       L"Shift+F9"},
      {"the program's end", [&] { dialog.reset(); }, L"Shift+F9"},
  };
  for (const auto& step : steps) {
    step.Act();
    EXPECT_EQ(storedKey(), step.Key) << step.Step;
  }
  Application().OnException = nullptr;
  EXPECT_NE(StoredIni().find(L"VertNum=12\r\n"), std::wstring::npos) << StoredIni();
  EXPECT_EQ(hotkeys.back(), (THotkey{hmShift, VK_F9}));
}

TEST_F(WinSettingTest, ABareKeyIsNotRegisteredIsSaidOnceStaysInTheFileAndOkRefusesIt) {
  StoreIni(L"[Hotkey]\r\nKey=A\r\n");
  TErrorBoxCapture errors;
  TWinSetting& d = Create();
  d.FormShow(&d);  // opened again: not said again
  d.SaveSettings();
  EXPECT_NE(StoredIni().find(L"[Hotkey]\r\nKey=A\r\n"), std::wstring::npos) << StoredIni();
  ::SendMessageW(d.HKHotkey().Handle(), HKM_SETHOTKEY, MAKEWORD('B', 0), 0);
  Click(d.BOK());
  EXPECT_EQ(errors.Messages.size(), 2u);  // at the start and at OK
  EXPECT_EQ(hotkeys, std::vector<THotkey>{THotkey{}});
}

// Which Run values count as this program's, and what OK leaves there. The prefix's value is
// put back afterwards.
TEST_F(WinSettingTest, StartWithWindowsShowsAndSetsTheRunValueOnlyForThisExecutable) {
  static constexpr wchar_t Run[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const auto read = []() -> std::optional<std::wstring> {
    wchar_t value[1024] = {};
    DWORD bytes = sizeof value;
    if (::RegGetValueW(HKEY_CURRENT_USER, Run, L"Tamarind", RRF_RT_REG_SZ, nullptr, value, &bytes)) return {};
    return value;
  };
  const auto write = [&](const std::optional<std::wstring>& value, DWORD type = REG_SZ) {
    if (!value) ::RegDeleteKeyValueW(HKEY_CURRENT_USER, Run, L"Tamarind");
    else ::RegSetKeyValueW(HKEY_CURRENT_USER, Run, L"Tamarind", type, value->c_str(), DWORD(value->size() * 2 + 2));
  };
  // Task Manager's switch: a record whose first byte is 2 (on) or 3 (off).
  static constexpr wchar_t Approved[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
  const auto approve = [](BYTE state) {
    const BYTE record[12] = {state};
    ::RegSetKeyValueW(HKEY_CURRENT_USER, Approved, L"Tamarind", REG_BINARY, record, sizeof record);
  };
  ::SetEnvironmentVariableW(L"TAMARIND_TEST_FOLDER", folder.Path().c_str());
  const std::optional<std::wstring> saved = read();
  const std::wstring self = folder / L"tamarind.exe", quoted = L"\"" + self + L"\"";
  const std::wstring copy = L"\"" + folder.WriteFile(L"copy\\tamarind.exe") + L"\" /x";
  std::wstring upper = quoted;
  ::CharUpperBuffW(upper.data(), DWORD(upper.size()));
  TWinSetting& d = Create();
  // The rows added below the others come in reading order.
  const HWND tabOrder[] = {d.CHotkeyWin().Handle(), d.CStartup().Handle(), d.BBG1().Handle(), d.BNoBG1().Handle(),
                           d.BBG2().Handle(),       d.BNoBG2().Handle(),   d.BOK().Handle()};
  for (size_t i = 0; i + 1 < std::size(tabOrder); ++i)
    EXPECT_EQ(::GetNextDlgTabItem(d.Handle(), tabOrder[i], FALSE), tabOrder[i + 1]) << i;
  const struct {
    const char* Case;
    std::optional<std::wstring> Before;
    bool Shown, Chosen;
    std::optional<std::wstring> After;
    DWORD Type = REG_SZ;
    BYTE Approved = 2;
  } cases[] = {
      {"none, ticked", {}, false, true, quoted},
      {"this file in capitals, unticked", upper, true, false, {}},
      {"this file unquoted: rewritten", self, true, true, quoted},
      {"another copy, left alone", copy, false, false, copy},
      {"another copy, ticked", copy, false, true, quoted},
      {"where this file was before, unticked", L"\"" + (folder / L"gone\\tamarind.exe") + L"\"", false, false, {}},
      {"this file by a variable", L"\"%TAMARIND_TEST_FOLDER%\\tamarind.exe\"", true, true, quoted, REG_EXPAND_SZ},
      {"this file, off in Task Manager, ticked", quoted, false, true, quoted, REG_SZ, 3},
  };
  for (const auto& c : cases) {
    write(c.Before, c.Type);
    approve(c.Approved);
    d.FormShow(&d);
    EXPECT_EQ(d.CStartup().Checked(), c.Shown) << c.Case;
    if (c.Chosen != c.Shown) Click(d.CStartup());
    Click(d.BOK());
    EXPECT_EQ(read(), c.After) << c.Case;
    d.FormShow(&d);
    EXPECT_EQ(d.CStartup().Checked(), c.After == quoted) << c.Case << ", opened again";
    Click(d.BCancel());
  }
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, Approved, L"Tamarind");
  EXPECT_EQ(StoredIni().find(L"tamarind.exe"), std::wstring::npos);  // the registry is the only record
  write(saved);
}

TEST_F(WinSettingTest, OkSavesAppliesAndRebuilds) {
  TWinSetting& d = Create();
  d.CShowIcon().SetChecked(false);
  d.CShowBanner().SetChecked(false);
  TFontDescription large;
  large.SetSize(100, 96);
  d.LBFont().SetFont(large);
  d.LColor2().SetColor(RgbColor(1, 2, 3));
  d.EText().SetText(L"Launch");
  Click(d.BOK());
  EXPECT_EQ(d.ModalResult(), mrOk);
  EXPECT_EQ(rebuilds, 2);
  EXPECT_EQ(styler.Banner().BannerWidth(), 160);  // 100 points at 96 dpi
  EXPECT_EQ(styler.Banner().Font().Height(), large.Height);
  EXPECT_FALSE(styler.Banner().ShowBanner());
  EXPECT_EQ(styler.Banner().Caption(), L"Launch");
  EXPECT_EQ(styler.ActiveColor(), RgbColor(1, 2, 3));
  EXPECT_FALSE(d.ShowIcons());
  const std::wstring stored = StoredIni();
  EXPECT_NE(stored.find(L"[Icon]\r\nShow=0"), std::wstring::npos);
  EXPECT_NE(stored.find(L"Font.Size=100"), std::wstring::npos);
  EXPECT_NE(stored.find(L"Caption=Launch"), std::wstring::npos);
}

// Each stored font and colour reaches its own place in the menu's look, none swapped.
TEST_F(WinSettingTest, StoredFontsAndColoursReachTheirPlacesInTheMenusLook) {
  StoreIni(L"[Menu]\r\nFont1.Name=Item Face\r\nFont1.Size=10\r\nFont2.Name=Selected Face\r\nFont2.Size=14\r\n"
           L"Color1=0x00010203\r\nColor2=0x00040506\r\n"
           L"[Banner]\r\nFont.Name=Banner Face\r\nColor1=0x00070809\r\nColor2=0x000A0B0C\r\n");
  Create();
  EXPECT_EQ(styler.InActiveFont().Name(), L"Item Face");
  EXPECT_EQ(styler.InActiveFont().Height(), -13);  // 10 points at 96 dpi
  EXPECT_EQ(styler.ActiveFont().Name(), L"Selected Face");
  EXPECT_EQ(styler.ActiveFont().Height(), -19);
  EXPECT_EQ(styler.InActiveColor(), TColor{0x00010203});
  EXPECT_EQ(styler.ActiveColor(), TColor{0x00040506});
  EXPECT_EQ(styler.Banner().Font().Name(), L"Banner Face");
  EXPECT_EQ(styler.Banner().TopColor(), TColor{0x00070809});
  EXPECT_EQ(styler.Banner().BottomColor(), TColor{0x000A0B0C});
}

TEST_F(WinSettingTest, CancelAndTheCloseBoxRestoreTheFileAndApplyNothing) {
  StoreIni(L"[Menu]\r\nVertNum=7\r\n[Banner]\r\nCaption=Kept\r\n");
  TWinSetting& d = Create();
  const auto edit = [&] {
    d.EText().SetText(L"Edited");
    d.CVert().SetChecked(false);
    d.UDVertNum().SetNValue(50);
  };
  const auto expectFileValues = [&] {
    EXPECT_EQ(d.EText().Text(), L"Kept");
    EXPECT_TRUE(d.CVert().Checked());
    EXPECT_EQ(d.ColumnLength(), 7);
    EXPECT_EQ(styler.Banner().Caption(), L"Kept");
    EXPECT_EQ(rebuilds, 1);
  };
  edit();
  Click(d.BCancel());
  EXPECT_EQ(d.ModalResult(), mrCancel);
  expectFileValues();

  // Each opening starts from the file: edits neither confirmed nor cancelled are gone.
  d.EText().SetText(L"Left unconfirmed");
  TModalDriver closeBox(
      [&] {
        if (!::IsWindowVisible(d.Handle())) return false;
        EXPECT_EQ(d.EText().Text(), L"Kept");
        edit();
        ::SendMessageW(d.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
      },
      [&] { d.SetModalResult(TModalResult{IDABORT}); });
  EXPECT_EQ(d.ShowModal(), mrCancel);
  EXPECT_FALSE(closeBox.TimedOut());
  EXPECT_FALSE(::IsWindowVisible(d.Handle()));
  expectFileValues();
}

TEST_F(WinSettingTest, StoredValuesAreTrimmedAndBounded) {
  StoreIni(L"[Banner]\r\nCaption=   blanks   \r\n[Menu]\r\nVertNum=0\r\n");
  TWinSetting& d = Create();
  EXPECT_EQ(d.EText().Text(), L"blanks");
  EXPECT_EQ(d.ColumnLength(), 2);
  StoreIni(L"[Banner]\r\nCaption=\"quoted\"\r\n[Menu]\r\nVertNum=500\r\n");
  d.LoadSettings();
  EXPECT_EQ(d.EText().Text(), L"quoted");
  EXPECT_EQ(d.ColumnLength(), 100);
}

TEST_F(WinSettingTest, AMalformedValueIsReportedOnceAndTheOthersAreStillReadAndApplied) {
  StoreIni(L"[Menu]\r\nColor1=0xZZ\r\nColor2=0x000000FF\r\n[Banner]\r\nCaption=After\r\nFont.Color=oops\r\n");
  TErrorBoxCapture errors;
  TWinSetting& d = Create();
  ASSERT_EQ(errors.Messages.size(), 1u);
  EXPECT_NE(errors.Messages[0].find(L"'$ZZ' は整数ではありません"), std::wstring::npos);
  EXPECT_EQ(d.LColor1().Color(), clMenu);               // the setting's default
  EXPECT_EQ(d.LColor2().Color(), TColor{0x000000FF});   // read after the bad one
  EXPECT_EQ(d.LBFont().Font(), TFontDescription{});
  EXPECT_EQ(d.EText().Text(), L"After");
  EXPECT_EQ(rebuilds, 1);  // the launcher menu is built all the same
  EXPECT_EQ(styler.Banner().Caption(), L"After");
}

TEST_F(WinSettingTest, AFailedSaveKeepsTheOldFileAndOkStillApplies) {
  StoreIni(L"[Banner]\r\nCaption=Old\r\n");
  TWinSetting& d = Create();
  ::SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_READONLY);
  d.EText().SetText(L"New");
  {
    TErrorBoxCapture errors;
    Click(d.BOK());
    ASSERT_EQ(errors.Messages.size(), 1u);
    EXPECT_EQ(errors.Messages[0], IniPath() + L" に書き込めません");
  }
  EXPECT_EQ(styler.Banner().Caption(), L"New");
  EXPECT_EQ(rebuilds, 2);
  EXPECT_EQ(StoredIni(), L"[Banner]\r\nCaption=Old\r\n");
  ::SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Chooses, in the open font dialog, the first script whose character set `accept` likes.
bool ChooseScript(const std::function<bool(LRESULT)>& accept) {
  const HWND fontDialog = SystemDialog();
  if (!fontDialog) return false;
  constexpr int ScriptList = 0x474;
  const HWND scripts = ::GetDlgItem(fontDialog, ScriptList);
  const LRESULT count = ::SendMessageW(scripts, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    if (!accept(::SendMessageW(scripts, CB_GETITEMDATA, i, 0))) continue;
    ::SendMessageW(scripts, CB_SETCURSEL, i, 0);
    ::SendMessageW(fontDialog, WM_COMMAND, MAKEWPARAM(ScriptList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(scripts));
    break;
  }
  PressDialogButton(fontDialog, IDOK);
  return true;
}

TEST_F(WinSettingTest, ItemFontsNeedADoubleByteCharacterSetTheBannerFontDoesNot) {
  TWinSetting& d = Create();
  const auto western = [](LRESULT charset) { return charset == ANSI_CHARSET; };
  const auto give_up = [] {
    if (HWND open = SystemDialog()) PressDialogButton(open, IDCANCEL);
  };
  {
    TModalDriver driver([&] { return ChooseScript(western); }, give_up);
    Click(d.BFont1());
    ASSERT_FALSE(driver.TimedOut());
  }
  EXPECT_EQ(d.LFont1().Font(), TFontDescription{});  // refused without a word
  {
    // Shift-JIS, the first double-byte set (128), is taken.
    TModalDriver driver([&] { return ChooseScript([](LRESULT charset) { return charset == SHIFTJIS_CHARSET; }); },
                        give_up);
    Click(d.BFont1());
    ASSERT_FALSE(driver.TimedOut());
  }
  EXPECT_EQ(d.LFont1().Font().Charset, SHIFTJIS_CHARSET);
  {
    TModalDriver driver([&] { return ChooseScript(western); }, give_up);
    Click(d.BBFont());
    ASSERT_FALSE(driver.TimedOut());
  }
  EXPECT_EQ(d.LBFont().Font().Charset, ANSI_CHARSET);
}

// The file is Shift-JIS: a picture in a folder whose name it cannot hold is kept by its short
// name, which Wine always makes.
TEST_F(WinSettingTest, APictureInAFolderNamedOutsideTheCodePageIsStoredByItsShortPath) {
  const std::string onePixel = std::string("BM:\0\0\0\0\0\0\0" "6\0\0\0(\0\0\0\1\0\0\0\1\0\0\0\1\0\x18\0", 30) +
                               std::string(24, '\0') + std::string("\xff\xff\xff\0", 4);
  const std::wstring picture = folder.WriteFile(L"𠮷野\\back.bmp", onePixel), shortPath = ShortPathName(picture);
  ASSERT_EQ(Cp932Misfits(shortPath), L"") << "the volume made no short name";
  TWinSetting& d = Create();
  TModalDriver driver([&] {
    const HWND chooser = SystemDialog();
    for (const int nameBox : {edt1, cmb13}) ::SetDlgItemTextW(chooser, nameBox, picture.c_str());
    if (chooser) PressDialogButton(chooser, IDOK);
    return chooser != nullptr;
  }, [] {});
  Click(d.BBG1());
  Click(d.BOK());
  dialog.reset();
  TWinSetting& restarted = Create();
  EXPECT_EQ(restarted.NormalBackPath(), shortPath);
  EXPECT_FALSE(restarted.NormalBack().Empty());
}

TEST_F(WinSettingTest, AConfirmedColourGoesToTheSwatch) {
  TWinSetting& d = Create();
  const auto pressInColourDialog = [](int button) {
    return [button] {
      const HWND colourDialog = SystemDialog();
      if (colourDialog) PressDialogButton(colourDialog, button);
      return colourDialog != nullptr;
    };
  };
  {
    TModalDriver driver(pressInColourDialog(IDCANCEL), [] {});
    Click(d.BColor1());
  }
  EXPECT_EQ(d.LColor1().Color(), clMenu);
  {
    TModalDriver driver(pressInColourDialog(IDOK), [] {});
    Click(d.BColor1());
  }
  EXPECT_EQ(d.LColor1().Color(), ColorToRGB(clMenu));  // the dialog's choice, as RGB
}

TEST_F(WinSettingTest, KeyboardWorksInTheModalDialog) {
  TWinSetting& d = Create();
  int step = 0;
  HWND firstFocus = nullptr;
  TModalDriver keys(
      [&] {
        if (!::IsWindowVisible(d.Handle())) return false;
        const HWND focus = ::GetFocus();
        switch (step++) {
          case 0:
            firstFocus = focus;
            ::PostMessageW(focus, WM_KEYDOWN, VK_TAB, 0);
            return false;
          case 1:
            EXPECT_NE(focus, firstFocus);
            EXPECT_TRUE(::IsChild(d.Handle(), focus));
            d.UDVertNum().SetFocus();
            return false;
          case 2:
            ::PostMessageW(focus, WM_CHAR, L'3', 0);  // selected on entry: replaces the value
            ::PostMessageW(focus, WM_KEYDOWN, VK_UP, 0);
            return false;
          case 3:
            d.CSplit().SetFocus();
            return false;
          default:
            ::PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 0);
            return true;
        }
      },
      [&] { d.SetModalResult(TModalResult{IDABORT}); });
  EXPECT_EQ(d.ShowModal(), mrOk);
  EXPECT_FALSE(keys.TimedOut());
  EXPECT_EQ(d.ColumnLength(), 4);  // typed 3, one step up
  EXPECT_EQ(rebuilds, 2);          // OK applied
  EXPECT_NE(StoredIni().find(L"VertNum=4"), std::wstring::npos);
}

TEST_F(WinSettingTest, TheDialogOpensAtItsPlaceAndSizeWithItsCaptions) {
  TWinSetting& d = Create();
  TModalDriver look(
      [&] {
        if (!::IsWindowVisible(d.Handle())) return false;
        PumpFor(300);  // painted
        RECT frame{};
        ::GetWindowRect(d.Handle(), &frame);
        EXPECT_EQ(frame.left, 205);
        EXPECT_EQ(frame.top, 133);
        EXPECT_EQ(d.ClientWidth(), 440);
        EXPECT_EQ(d.ClientHeight(), 467);  // rows added below the others
        wchar_t caption[32] = {};
        ::GetWindowTextW(d.Handle(), caption, 32);
        EXPECT_EQ(std::wstring(caption), L"表示の設定");
        EXPECT_EQ(::GetWindowLongW(d.Handle(), GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
                  WS_SYSMENU);
        const TWindowCapture shot(d.Handle());
        shot.SavePng(L"settings_dialog.png");
        // Dark caption text on the OK button (panel at the bottom, button at 216, 8).
        const RECT ok{216 + 8, 467 - 41 + 8 + 4, 216 + 89 - 8, 467 - 41 + 8 + 21};
        EXPECT_GT(shot.Count(ok, [](COLORREF c) { return GetRValue(c) < 80 && GetGValue(c) < 80; }), 10);
        Click(d.BCancel());
        return true;
      },
      [&] { d.SetModalResult(TModalResult{IDABORT}); });
  EXPECT_EQ(d.ShowModal(), mrCancel);
  EXPECT_FALSE(look.TimedOut());
}

BOOL CALLBACK CollectChild(HWND window, LPARAM children) {
  reinterpret_cast<std::vector<HWND>*>(children)->push_back(window);
  return TRUE;
}

// Screen rectangles of the windows whose parent is `parent`.
std::vector<RECT> ChildRects(HWND parent) {
  std::vector<HWND> all;
  ::EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&all));
  std::vector<RECT> rects;
  for (HWND child : all) {
    RECT r{};
    if (::GetParent(child) == parent && ::GetWindowRect(child, &r)) rects.push_back(r);
  }
  return rects;
}

TEST_F(WinSettingTest, ADpiChangeMovesTheDialogToTheSuggestedPlaceAndLaysItOutAgain) {
  TWinSetting& d = Create();
  TModalDriver relay(
      [&] {
        if (!::IsWindowVisible(d.Handle())) return false;
        RECT opened{};  // at 96 dpi; the system suggests the frame scaled
        ::GetWindowRect(d.Handle(), &opened);
        for (int dpi : {144, 192, 96}) {
          SCOPED_TRACE(dpi);
          const auto scaled = [dpi](int value) { return ScaleForDpi(value, dpi); };
          const RECT suggested{40, 30, 40 + scaled(opened.right - opened.left), 30 + scaled(opened.bottom - opened.top)};
          ::SendMessageW(d.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
          RECT frame{};
          ::GetWindowRect(d.Handle(), &frame);
          EXPECT_TRUE(::EqualRect(&frame, &suggested));
          EXPECT_EQ(d.Dpi(), dpi);
          EXPECT_EQ(d.BOK().Left(), scaled(216));
          EXPECT_EQ(d.BOK().Width(), scaled(89));
          EXPECT_EQ(d.BOK().Font().Height, scaled(-12));
          EXPECT_EQ(d.UDVertNum().BtnWidth(), scaled(15));
          // Every control lies inside the client area, and no two of one parent overlap.
          RECT client{};
          ::GetClientRect(d.Handle(), &client);
          ::MapWindowPoints(d.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
          std::vector<HWND> parents{d.Handle()};
          ::EnumChildWindows(d.Handle(), &CollectChild, reinterpret_cast<LPARAM>(&parents));
          for (HWND parent : parents) {
            const std::vector<RECT> children = ChildRects(parent);
            for (size_t i = 0; i < children.size(); ++i) {
              RECT inside{};
              EXPECT_TRUE(::IntersectRect(&inside, &children[i], &client) && ::EqualRect(&inside, &children[i]));
              for (size_t j = i + 1; j < children.size(); ++j) EXPECT_FALSE(::IntersectRect(&inside, &children[i], &children[j]));
            }
          }
          if (dpi == 144) {
            PumpFor(300);
            TWindowCapture(d.Handle()).SavePng(L"settings_dialog_144dpi.png");
          }
        }
        Click(d.BCancel());
        return true;
      },
      [&] { d.SetModalResult(TModalResult{IDABORT}); });
  EXPECT_EQ(d.ShowModal(), mrCancel);
  EXPECT_FALSE(relay.TimedOut());
}

}  // namespace

// How wide a control's own text is in its own font, "&" marks aside.
int TextWidth(HWND control, const std::wstring& text) {
  HDC dc = ::GetDC(control);
  const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT bounds{};
  ::DrawTextW(dc, text.c_str(), -1, &bounds, DT_CALCRECT | DT_SINGLELINE);
  ::SelectObject(dc, old);
  ::ReleaseDC(control, dc);
  return bounds.right;
}

// The width a control's text may take: its own, less a button's frame, a check box's box or a
// group box's inset; a label sized to its text has up to the next control of its row.
int TextRoom(HWND control, const RECT& bounds, const std::vector<RECT>& siblings) {
  wchar_t className[16] = {};
  ::GetClassNameW(control, className, 16);
  const LONG style = ::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  if (std::wstring_view(className) != L"Static") {
    if (style == BS_GROUPBOX) return bounds.right - bounds.left - 16;
    if (style == BS_AUTOCHECKBOX || style == BS_CHECKBOX) return bounds.right - bounds.left - 18;
    return bounds.right - bounds.left - 8;
  }
  RECT parent{};
  ::GetWindowRect(::GetParent(control), &parent);
  LONG right = parent.right;
  for (const RECT& other : siblings)
    if (other.left > bounds.left && other.top < bounds.bottom && other.bottom > bounds.top) right = std::min(right, other.left);
  return right - bounds.left;
}

TEST_F(WinSettingTest, InBothLanguagesEveryTextFitsItsControlWithRoomToSpare) {
  for (const TLanguage language : {TLanguage::Japanese, TLanguage::English}) {
    SetLanguage(language);
    TWinSetting& d = Create();
    std::vector<HWND> controls;
    ::EnumChildWindows(d.Handle(), &CollectChild, reinterpret_cast<LPARAM>(&controls));
    for (HWND control : controls) {
      wchar_t buffer[128] = {};
      ::GetWindowTextW(control, buffer, 128);
      const std::wstring text = buffer;
      SCOPED_TRACE(testing::Message() << "\"" << ToCp932(text) << "\"");
      const auto isTableText = [&](int id) { return TextIn(language, static_cast<TText>(id)) == text; };
      std::vector<int> ids(TextCount);
      std::iota(ids.begin(), ids.end(), 0);
      if (std::none_of(ids.begin(), ids.end(), isTableText)) {
        // The font samples aside, an English dialog shows no Japanese.
        if (language == TLanguage::English && text != L"ABCあいう") {
          EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x3000; }));
        }
        continue;
      }
      RECT bounds{};
      ::GetWindowRect(control, &bounds);
      // The Japanese dialog keeps its sizes, made for Windows' fonts; English texts leave a tenth
      // spare for fonts wider than the ones measured here.
      const int width = TextWidth(control, text);
      const int needed = language == TLanguage::English ? width * 11 / 10 : width;
      EXPECT_LE(needed, TextRoom(control, bounds, ChildRects(::GetParent(control))));
    }
    dialog.reset();
  }
  SetLanguage(TLanguage::Japanese);
}
