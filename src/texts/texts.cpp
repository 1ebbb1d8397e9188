#include "texts/texts.h"

#include <array>

namespace {

struct TTextPair {
  TText Id;
  const wchar_t* Japanese;
  const wchar_t* English;
};

using enum TText;

// An access key keeps its letter in both languages; where the English text lacks the letter it
// is added in brackets, the Japanese way.
constexpr TTextPair Table[] = {
    {CommandSettings, L"表示の設定(&V)...", L"Display settings(&V)..."},
    {CommandOpenMenuFolder, L"登録フォルダを開く(&R)...", L"Open menu folde&r..."},
    {CommandExit, L"終了(&X)", L"E&xit"},

    {OpenThisFolder, L"このフォルダを開く", L"Open this folder"},
    {Cancel, L"キャンセル", L"Cancel"},
    {EmptyMenuFolder, L"(メニューフォルダは空です)", L"(The menu folder is empty)"},
    {NoMenuFolder, L"(メニューフォルダを作成できません)", L"(The menu folder cannot be created)"},
    {OpenMenuFolder, L"登録フォルダを開く", L"Open menu folder"},
    {Loading, L"読み込み中…", L"Loading…"},
    {NoAnswer, L"応答がありません", L"Not responding"},

    {SearchRow, L"検索: %1", L"Search: %1"},
    {SearchNotFound, L"見つかりません", L"Not found"},
    {SearchMore, L"ほかに %1 件", L"%1 more"},
    {SearchIncomplete, L"(一部のフォルダは検索中です)", L"(Some folders are still being read)"},

    {FolderMissing, L"フォルダがありません: %1", L"Folder not found: %1"},
    {FolderNotAnswering, L"フォルダが応答しません: %1", L"The folder does not respond: %1"},
    {NotAnswering, L"Tamarind が応答しません", L"Tamarind does not respond"},
    {RunningElsewhere, L"Tamarind は別のフォルダから実行中です\n%1", L"Tamarind is running from another folder:\n%1"},
    {HotkeyTaken, L"%1 は他のプログラムが使っています", L"%1 is in use by another program"},
    {TrayRefused, L"タスクトレイにアイコンを登録できません。", L"The icon cannot be added to the notification area."},
    {UnknownError, L"不明なエラーが発生しました", L"An unknown error occurred"},
    {Warning, L"警告", L"Warning"},

    {SysSize, L"サイズ変更(&S)", L"&Size"},
    {SysMove, L"移動(&M)", L"&Move"},
    {SysMinimize, L"最小化(&N)", L"Mi&nimize"},
    {SysMaximize, L"最大化(&X)", L"Ma&ximize"},
    {SysClose, L"閉じる(&C)", L"&Close"},
    {SysRestore, L"元のサイズに戻す(&R)", L"&Restore"},

    {SettingsTitle, L"表示の設定", L"Display settings"},
    {ItemGroup, L"項目の・・・", L"Items"},
    {SelectedGroup, L"選択項目の・・・", L"Selected item"},
    {FontButton, L"フォント...", L"Font..."},
    {ColorButton, L"色...", L"Colour..."},
    {BannerGroup, L"サイドバナー", L"Side banner"},
    {BannerText, L"表示する文字：", L"Text:"},
    {TopColorButton, L"上側の色...", L"Top..."},
    {BottomColorButton, L"下側の色...", L"Bottom..."},
    {ShowIcons, L"ファイルのアイコンを表示する", L"Show file icons"},
    {ShowBanner, L"サイドバナーを表示する", L"Show the side banner"},
    {Gesture, L"円を描いてメニューを開く", L"Draw a circle for the menu"},
    {SplitMenu, L"メニューの分割", L"Columns"},
    {ColumnLengthBefore, L"最大", L"Max"},
    {ColumnLengthAfter, L"個並べる", L"per column"},
    {VerticalBars, L"縦方向の分割腺を入れる", L"Lines between columns"},
    {Hotkey, L"ホットキー", L"Hotkey"},
    {StartWithWindows, L"Windows の起動時に開始する", L"Start with Windows"},
    {ItemBackGroup, L"項目の背景", L"Item background"},
    {SelectedBackGroup, L"選択項目の背景", L"Selected item background"},
    {PictureButton, L"背景...", L"Picture..."},
    {NoPictureButton, L"なし", L"None"},
    {CancelButton, L"キャンセル", L"Cancel"},
    {BitmapFilter, L"ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)|*.bmp", L"Bitmaps (*.bmp)|*.bmp"},
    {ChoosePicture, L"背景を選択して下さい", L"Choose a background picture"},
    {NoPicture, L"(なし)", L"(none)"},
    {UnreadableName, L"(読めない名前)", L"(unreadable name)"},
    {BannerTextSetting, L"サイドバナーの文字", L"The side banner's text"},
    {ItemFontSetting, L"項目のフォント", L"The items' font"},
    {SelectedFontSetting, L"選択項目のフォント", L"The selected item's font"},
    {BannerFontSetting, L"サイドバナーのフォント", L"The side banner's font"},
    {NotStorable, L"%1「%2」の %3 は設定ファイルに保存できません",
     L"%1 \"%2\": %3 cannot be stored in the settings file"},
    {PictureNotStorable,
     L"%1: 名前の %2 は設定ファイルに保存できず、短い名前 (8.3 形式) もありません。"
     L"画像をほかのフォルダに置いて選び直して下さい",
     L"%1: %2 in its name cannot be stored in the settings file, and it has no short (8.3) name. "
     L"Put the picture in another folder and choose it again"},
    {PictureUnopenable, L"%1: ファイルを開けません", L"%1: the file cannot be opened"},
    {PictureMalformed, L"%1: ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です", L"%1: not a valid bitmap image"},
    {PictureEmpty, L"%1: 画像に画素がありません", L"%1: the picture has no pixels"},
    {PictureTooLarge, L"%1: 画像が大きすぎます (画素のデータは 64 MB まで)",
     L"%1: the picture is too large (64 MB of pixel data at most)"},
    {FenceModeWarning,
     L"fnVer11Mode以外の値にすると、TIniGTのVer1.0とVer1.1で書き込んだﾌｧｲﾙを正しく読めない事があります。",
     L"With a value other than fnVer11Mode, files written by TIniGT 1.0 and 1.1 may not be read correctly."},

    {NotAnInteger, L"'%1' は整数ではありません", L"'%1' is not an integer"},
    {NotAValidInteger, L"'%1' は正しい整数値ではありません", L"'%1' is not a valid integer value"},
    {CannotWrite, L"%1 に書き込めません", L"%1 cannot be written"},
    {HotkeyEmptyPart, L"「+」の前後に名前がありません", L"A \"+\" lacks a name before or after it"},
    {HotkeyModifierTwice, L"「%1」が二度あります", L"\"%1\" is there twice"},
    {HotkeyModifierLate, L"修飾キーはキーより前に書きます", L"Modifiers come before the key"},
    {HotkeyUnknownKey, L"「%1」はキーの名前ではありません", L"\"%1\" is not the name of a key"},
    {HotkeyTwoKeys, L"キーが二つあります", L"There are two keys"},
    {HotkeyNoKey, L"修飾キーのほかにキーがありません", L"There is no key besides the modifiers"},
    {HotkeyF12, L"F12 は Windows がデバッガーのために取ってあります", L"Windows keeps F12 for debuggers"},
    {HotkeyNeedsModifier, L"%1 には Ctrl、Alt か Win を添えて下さい (そのままではほかのプログラムにこのキーが届きません)",
     L"Add Ctrl, Alt or Win to %1 (on its own, other programs would no longer get this key)"},

    {NoScreenContext, L"画面のデバイスコンテキストを取得できません", L"The screen's device context cannot be had"},
    {NoBrush, L"ブラシを作成できません", L"A brush cannot be created"},
    {NoPen, L"ペンを作成できません", L"A pen cannot be created"},
    {NoParentWindow, L"親ウィンドウのないコントロールは作成できません", L"A control without a parent window cannot be created"},
    {NoControl, L"コントロール %1 を作成できません", L"The control %1 cannot be created"},
    {NoControlClass, L"コントロールのウィンドウを登録できません", L"The control's window cannot be registered"},
    {NoBitmap, L"ビットマップを作成できません (%1 x %2)", L"A bitmap cannot be created (%1 x %2)"},
    {NoBitmapContext, L"ビットマップのデバイスコンテキストを作成できません", L"The bitmap's device context cannot be created"},
    {BitmapUnreadable, L"ビットマップ %1 を読み込めません", L"The bitmap %1 cannot be read"},
    {BitmapResourceUnreadable, L"ビットマップリソース %1 を読み込めません", L"The bitmap resource %1 cannot be read"},
    {BitmapPixelsUnreadable, L"ビットマップの画素を読み取れません", L"The bitmap's pixels cannot be read"},
    {NoMonochromeBitmap, L"モノクロビットマップを作成できません", L"A monochrome bitmap cannot be created"},
    {ModalTwice, L"表示中のダイアログをもう一度モーダルにはできません", L"A dialog on show cannot be made modal again"},
    {IconUnreadable, L"アイコン %1 を読み込めません", L"The icon %1 cannot be read"},
    {NoImageList, L"イメージリストを作成できません", L"An image list cannot be created"},
    {ImageListAddIcon, L"イメージリストにアイコンを追加できません", L"An icon cannot be added to the image list"},
    {ImageListReplaceIcon, L"イメージリストのアイコンを置き換えられません", L"An icon of the image list cannot be replaced"},
    {ImageListAddPicture, L"イメージリストに画像を追加できません", L"A picture cannot be added to the image list"},
    {ImageListResize, L"イメージリストの大きさを %1 x %2 にできません", L"The image list cannot be made %1 x %2"},
    {ImageListRange, L"イメージリストの番号 %1 は範囲外です", L"Image list number %1 is out of range"},
    {ImageListTakeIcon, L"イメージリストからアイコンを取り出せません", L"An icon cannot be taken from the image list"},
    {NoWindowClass, L"ウィンドウクラス %1 を登録できません", L"The window class %1 cannot be registered"},
    {NoContext, L"デバイスコンテキストを取得できません", L"A device context cannot be had"},
    {NoWindow, L"ウィンドウ %1 を作成できません", L"The window %1 cannot be created"},
    {RegistryUnopenable, L"レジストリキー %1 を開けません", L"The registry key %1 cannot be opened"},
    {RegistryUnwritable, L"%1 に書き込めません", L"%1 cannot be written"},
    {RegistryUndeletable, L"%1 を削除できません", L"%1 cannot be deleted"},
    {TooManyMenuItems, L"メニュー項目が多すぎます", L"Too many menu items"},
    {MenuItemElsewhere, L"メニュー項目 %1 は既に別のメニューにあります", L"The menu item %1 is already in another menu"},
    {MenuItemInItself, L"メニュー項目を自分自身に追加できません", L"A menu item cannot be added to itself"},
    {NoMenu, L"メニューを作成できません", L"A menu cannot be created"},
    {NoFont, L"フォント %1 を作成できません", L"The font %1 cannot be created"},
    {FontUnreadable, L"フォントの属性を読み取れません", L"The font's attributes cannot be read"},
    {CanvasUnbound, L"キャンバスがデバイスコンテキストに結び付いていません", L"The canvas has no device context"},
    {NoMeasuringContext, L"文字幅を測るデバイスコンテキストを作成できません",
     L"A device context to measure text with cannot be created"},
    {NoBannerFont, L"バナーのフォント %1 を作成できません", L"The banner font %1 cannot be created"},
    {MenuStyleWithoutForm, L"メニューのスタイルはフォームに置いてください", L"A menu style belongs on a form"},
    {OwnerDrawFailed, L"%1 のオーナードローに失敗しました", L"Drawing %1 failed"},
    {NoMenuFont, L"メニューのフォントを取得できません", L"The menu font cannot be had"},
};

constexpr bool EveryIdInItsPlace() {
  if (std::size(Table) != static_cast<std::size_t>(TextCount)) return false;
  for (std::size_t i = 0; i < std::size(Table); ++i)
    if (static_cast<std::size_t>(Table[i].Id) != i) return false;
  return true;
}
static_assert(EveryIdInItsPlace(), "the table lists every text once, in the order of TText");

TLanguage ChosenLanguage = TLanguage::Japanese;

// LANG_JAPANESE, the primary language of a LANGID.
constexpr std::uint16_t PrimaryJapanese = 0x11;

}  // namespace

TLanguage ChooseLanguage(std::wstring_view setting, std::uint16_t uiLanguage) {
  if (setting == L"ja") return TLanguage::Japanese;
  if (setting == L"en") return TLanguage::English;
  return (uiLanguage & 0x3FF) == PrimaryJapanese ? TLanguage::Japanese : TLanguage::English;
}

void SetLanguage(TLanguage language) { ChosenLanguage = language; }

TLanguage Language() { return ChosenLanguage; }

const std::wstring& TextIn(TLanguage language, TText id) {
  static const auto texts = [] {
    std::array<std::array<std::wstring, 2>, TextCount> made;
    for (const TTextPair& pair : Table) made[static_cast<std::size_t>(pair.Id)] = {pair.Japanese, pair.English};
    return made;
  }();
  return texts[static_cast<std::size_t>(id)][language == TLanguage::Japanese ? 0 : 1];
}

const std::wstring& Text(TText id) { return TextIn(ChosenLanguage, id); }

std::wstring Text(TText id, std::initializer_list<std::wstring_view> values) {
  const std::wstring& pattern = Text(id);
  std::wstring text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t number = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - L'1') : 9;
    if (pattern[i] == L'%' && number < values.size()) {
      text += values.begin()[number];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}
