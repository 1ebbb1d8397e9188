// How long the launcher menu takes to open, against a minimal owner-drawn menu of the same
// captions and column breaks in the same run (one text extent per measure, one fill and one
// text out per draw): from the popup call to the menu loop's first WM_ENTERIDLE, when every
// item has been measured and drawn. Then the first highlight of a folder of the same number of
// entries: from the highlight to the filled submenu shown, icons included; its minimal
// counterpart lists the folder with FindFirstFileW when the entry is highlighted.
// The launcher has the default look (banner, icons, 20 items per column), from a settings
// file that does not exist yet. Measure and draw requests are counted and timed on the way.
// Usage: bench_menu_open [rounds] [entries...]   (default: 5 rounds of 100 1000 5000 10000)
#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/win_main.h"
#include "folder/dir_monitor.h"
#include "folder/menu_folder.h"
#include "framework/application.h"
#include "framework/menu_item.h"
#include "framework/popup_list.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "settings/win_setting.h"
#include "support/settings_host.h"
#include "support/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

constexpr wchar_t BigFolderName[] = L"000 big";
constexpr int ColumnLength = 20;  // the default

// Documents of a handful of types and a sub-folder every tenth entry, as a real menu folder has.
void FillFolder(const std::wstring& folder, int entries) {
  static const wchar_t* const Types[] = {L".txt", L".html", L".pdf", L".doc", L".png"};
  ::CreateDirectoryW(folder.c_str(), nullptr);
  for (int i = 0; i < entries; ++i) {
    const std::wstring name = folder + (i % 2 ? L"\\Item " : L"\\item ") + std::to_wstring(i * 7919 % entries);
    if (i % 10 == 9) {
      ::CreateDirectoryW(name.c_str(), nullptr);
    } else {
      HANDLE file = ::CreateFileW((name + Types[i % 5]).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      ::CloseHandle(file);
    }
  }
}

// The top level: `entries` entries, the first of them the folder `BigFolderName` holding as many.
void FillMenuFolder(const std::wstring& menuFolder, int entries) {
  RemoveTree(menuFolder);
  FillFolder(menuFolder, entries - 1);
  FillFolder(menuFolder + L"\\" + BigFolderName, entries);
}

// What one opening cost, and the share of it spent answering measure and draw requests.
struct TFigures {
  double Ms = 0;
  int Measures = 0;
  double MeasureMs = 0;
  int Draws = 0;
  double DrawMs = 0;
};

// Sits in front of a menu owner's window procedure: times its measure and draw requests and
// runs the next step each time the menu loop goes idle.
class TProbe {
public:
  // Each step runs at an idle moment of the menu loop until it says it is done.
  static void Attach(HWND window, std::vector<std::function<bool(HWND menuWindow)>> idleSteps) {
    FWindow = window;
    FSteps = std::move(idleSteps);
    FNext = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  static void Detach() {
    ::SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FNext));
    FSteps.clear();
  }
  // Starts counting anew; returns what was counted since the last call.
  static TFigures Take() {
    const TFigures taken = FCounted;
    FCounted = {};
    return taken;
  }

private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_MEASUREITEM && message != WM_DRAWITEM) {
      const LRESULT result = ::CallWindowProcW(FNext, window, message, wParam, lParam);
      if (message == WM_ENTERIDLE && !FSteps.empty()) {
        const auto step = FSteps.front();
        if (step(reinterpret_cast<HWND>(lParam))) FSteps.erase(FSteps.begin());
      }
      return result;
    }
    const auto start = Clock::now();
    const LRESULT result = ::CallWindowProcW(FNext, window, message, wParam, lParam);
    const double ms = MsSince(start);
    if (message == WM_MEASUREITEM) {
      ++FCounted.Measures;
      FCounted.MeasureMs += ms;
    } else {
      ++FCounted.Draws;
      FCounted.DrawMs += ms;
    }
    return result;
  }

  static inline HWND FWindow = nullptr;
  static inline WNDPROC FNext = nullptr;
  static inline std::vector<std::function<bool(HWND)>> FSteps;
  static inline TFigures FCounted;
};

// The steps of one opening: time the menu up to its first idle moment; with `submenu`, then
// highlight the first entry (a folder), and once its listing is in (`submenuListed`; the
// launcher lists on a worker thread) open its submenu and time up to the idle moment after it.
struct TOpeningTimes {
  TFigures Menu;
  TFigures Submenu;
};

TOpeningTimes TimeOpening(HWND owner, const std::function<void()>& popup, bool submenu,
                          const std::function<bool()>& submenuListed) {
  TOpeningTimes times;
  Clock::time_point start;
  auto menuShown = [&](HWND menuWindow) {
    times.Menu = TProbe::Take();
    times.Menu.Ms = MsSince(start);
    if (!submenu) {
      ::EndMenu();
      return true;
    }
    start = Clock::now();
    ::PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    return true;
  };
  auto highlighted = [&](HWND menuWindow) {
    if (!submenuListed()) return false;
    ::PostMessageW(menuWindow, WM_KEYDOWN, VK_RIGHT, 0);
    return true;
  };
  auto submenuShown = [&](HWND) {
    times.Submenu = TProbe::Take();
    times.Submenu.Ms = MsSince(start);
    ::EndMenu();
    return true;
  };
  std::vector<std::function<bool(HWND)>> steps{menuShown};
  if (submenu) steps.insert(steps.end(), {highlighted, submenuShown});
  TProbe::Attach(owner, std::move(steps));
  TProbe::Take();
  start = Clock::now();
  popup();
  TProbe::Detach();
  return times;
}

// A minimal owner-drawn menu: every item a caption, measured with one GetTextExtentPoint32W
// and drawn with one FillRect and one TextOutW.
class TMinimalMenu {
public:
  TMinimalMenu() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Proc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"MinimalMenuOwner";
    ::RegisterClassW(&windowClass);
    FWindow = ::CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
    ::SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    FFont = ::CreateFontIndirectW(&metrics.lfMenuFont);
    FScreen = ::GetDC(nullptr);
    ::SelectObject(FScreen, FFont);
    FMenuBrush = ::GetSysColorBrush(COLOR_MENU);
    FHighlightBrush = ::GetSysColorBrush(COLOR_HIGHLIGHT);
  }
  ~TMinimalMenu() {
    ::ReleaseDC(nullptr, FScreen);
    ::DeleteObject(FFont);
    ::DestroyWindow(FWindow);
  }
  TMinimalMenu(const TMinimalMenu&) = delete;
  TMinimalMenu& operator=(const TMinimalMenu&) = delete;

  HWND Window() const { return FWindow; }

  // The launcher's top level as it stands: the same captions and column breaks; the first entry
  // opens a submenu that lists `bigFolder` when first highlighted. With `sameSubmenus` every
  // other entry that opens a submenu in the launcher opens one here too, holding one item as
  // the launcher's folders do until they are read: the platform's own cost for submenus.
  void Build(const TMenuItem& launcherRoot, std::wstring bigFolder, bool sameSubmenus) {
    Clear();
    FBigFolder = std::move(bigFolder);
    FMenu = ::CreatePopupMenu();
    FSubmenu = ::CreatePopupMenu();
    Append(FSubmenu, L"open this folder", 0);
    bool first = true;
    for (int i = 0; i < launcherRoot.Count(); ++i) {
      const TMenuItem& item = *launcherRoot.Items(i);
      if (!item.Visible()) continue;
      UINT flags = item.Break() == TMenuBreak::mbBarBreak ? MF_MENUBARBREAK
                   : item.Break() == TMenuBreak::mbBreak  ? MF_MENUBREAK
                                                          : 0;
      if (first) {
        first = false;
        AppendSubmenu(item.Caption(), FSubmenu, flags);
      } else if (sameSubmenus && item.Count() > 0) {
        HMENU folder = ::CreatePopupMenu();
        Append(folder, L"open this folder", 0);
        AppendSubmenu(item.Caption(), folder, flags);
      } else {
        Append(FMenu, item.Caption(), flags);
      }
    }
  }

  void Popup(int x, int y) const { ::TrackPopupMenuEx(FMenu, TPM_LEFTALIGN | TPM_TOPALIGN, x, y, FWindow, nullptr); }

private:
  void Clear() {
    if (FMenu) ::DestroyMenu(FMenu);  // its submenus with it
    FMenu = FSubmenu = nullptr;
    FCaptions.clear();
    FFilled = false;
  }

  void AppendSubmenu(const std::wstring& caption, HMENU submenu, UINT flags) {
    FCaptions.push_back(caption);
    ::AppendMenuW(FMenu, MF_OWNERDRAW | MF_POPUP | flags, reinterpret_cast<UINT_PTR>(submenu),
                  reinterpret_cast<LPCWSTR>(&FCaptions.back()));
  }

  void Append(HMENU menu, const std::wstring& caption, UINT flags) {
    FCaptions.push_back(caption);
    ::AppendMenuW(menu, MF_OWNERDRAW | flags, ++FLastId, reinterpret_cast<LPCWSTR>(&FCaptions.back()));
  }

  // The submenu's entries, read when it is first highlighted, with the launcher's columns.
  void FillSubmenu() {
    FFilled = true;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((FBigFolder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    int position = 1;
    do {
      if (found.cFileName[0] == L'.') continue;
      Append(FSubmenu, found.cFileName, position % ColumnLength == 0 ? MF_MENUBARBREAK : 0);
      ++position;
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
  }

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND FWindow = nullptr;
  HFONT FFont = nullptr;
  HDC FScreen = nullptr;
  HBRUSH FMenuBrush = nullptr;
  HBRUSH FHighlightBrush = nullptr;
  HMENU FMenu = nullptr;
  HMENU FSubmenu = nullptr;
  std::wstring FBigFolder;
  bool FFilled = false;
  UINT FLastId = 0;
  std::deque<std::wstring> FCaptions;  // item data points at them; a deque never moves them
};

LRESULT CALLBACK TMinimalMenu::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* owner = reinterpret_cast<TMinimalMenu*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!owner) return ::DefWindowProcW(window, message, wParam, lParam);
  TMinimalMenu& self = *owner;
  switch (message) {
    case WM_MEASUREITEM: {
      auto& request = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      const auto& caption = *reinterpret_cast<const std::wstring*>(request.itemData);
      SIZE size{};
      ::GetTextExtentPoint32W(self.FScreen, caption.c_str(), static_cast<int>(caption.size()), &size);
      request.itemWidth = static_cast<UINT>(size.cx) + 40;
      request.itemHeight = 20;
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& request = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const auto& caption = *reinterpret_cast<const std::wstring*>(request.itemData);
      ::FillRect(request.hDC, &request.rcItem, request.itemState & ODS_SELECTED ? self.FHighlightBrush : self.FMenuBrush);
      ::TextOutW(request.hDC, request.rcItem.left + 21, request.rcItem.top + 2, caption.c_str(),
                 static_cast<int>(caption.size()));
      return TRUE;
    }
    case WM_MENUSELECT:
      if ((HIWORD(wParam) & MF_POPUP) && ::GetSubMenu(reinterpret_cast<HMENU>(lParam), LOWORD(wParam)) == self.FSubmenu &&
          !self.FFilled)
        self.FillSubmenu();
      return 0;
    default: return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

const TMenuItem* FirstVisible(const TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    if (parent.Items(i)->Visible()) return parent.Items(i);
  }
  return nullptr;
}

// What the rounds gave one menu.
struct TSeries {
  std::vector<TFigures> Menu, Submenu;
  void Add(const TOpeningTimes& times) {
    Menu.push_back(times.Menu);
    Submenu.push_back(times.Submenu);
  }
};

TFigures Median(std::vector<TFigures> rounds) {
  std::sort(rounds.begin(), rounds.end(), [](const TFigures& a, const TFigures& b) { return a.Ms < b.Ms; });
  return rounds[rounds.size() / 2];
}

void PrintRow(const char* what, const TFigures& figures) {
  std::printf("  %-28s %9.1f ms   measure %6d x %8.1f ms   draw %6d x %8.1f ms\n", what, figures.Ms, figures.Measures,
              figures.MeasureMs, figures.Draws, figures.DrawMs);
}

// The ratio of the two medians, and the median of each round's own ratio: the menus of a round
// open one after the other, so a slow spell of the machine weighs on both.
void PrintRatios(const std::vector<TFigures>& rounds, const std::vector<TFigures>& baseline, const char* what) {
  std::vector<double> byRound;
  for (size_t i = 0; i < rounds.size(); ++i) byRound.push_back(rounds[i].Ms / baseline[i].Ms);
  std::sort(byRound.begin(), byRound.end());
  std::printf("    %-26s ratio %.2f, by round %.2f\n", what, Median(rounds).Ms / Median(baseline).Ms,
              byRound[byRound.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::vector<int> sizes;
  for (int i = 2; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {100, 1000, 5000, 10000};
  ::OleInitialize(nullptr);
  const std::wstring menuFolder = MenuFolderPath(ExecutablePath());
  const std::wstring bigFolder = menuFolder + L"\\" + BigFolderName;
  FillMenuFolder(menuFolder, 3);

  const TTempFolder settingsFolder;
  const TQuietSettingsHost host(settingsFolder / L"tamarind.exe");
  // The program's main form, as at start-up: menu messages find their styler through it.
  TComponentPtr<TWinMain> win(&Application().CreateForm<TWinMain>());
  win->DirMon().SetActive(false);
  TWinSetting& dialog = win->CreateSettingsDialog(host);  // the default look, and a first build
  TMinimalMenu minimal;
  const HWND launcherOwner = TPopupList::Instance().Window();
  constexpr int X = 10, Y = 10;

  std::printf("%d-bit, median of %d; times up to the first WM_ENTERIDLE\n", static_cast<int>(sizeof(void*) * 8), rounds);
  for (const int entries : sizes) {
    FillMenuFolder(menuFolder, entries);
    TSeries launcher, shaped, flat;
    for (int round = 0; round < rounds; ++round) {
      win->RebuildMenu();  // the big folder not yet read
      const TMenuItem* first = FirstVisible(win->MainMenu().Items());
      if (!first || first->Hint() != bigFolder) {
        std::fprintf(stderr, "the first entry is not the big folder\n");
        return 1;
      }
      const TMenuItem& root = win->MainMenu().Items();
      // The big folder's submenu holds one item, "open this folder", until its listing is in.
      std::vector<std::function<void()>> openings{
          [&] {
            launcher.Add(TimeOpening(
                launcherOwner, [&] { win->MainMenu().Popup(X, Y); }, true, [&] { return first->Count() > 1; }));
          },
          [&] {
            minimal.Build(root, bigFolder, true);
            shaped.Add(TimeOpening(minimal.Window(), [&] { minimal.Popup(X, Y); }, true, [] { return true; }));
          },
          [&] {
            minimal.Build(root, bigFolder, false);
            flat.Add(TimeOpening(minimal.Window(), [&] { minimal.Popup(X, Y); }, false, [] { return true; }));
          }};
      // Turn about, so that no menu always opens on what another left behind.
      std::rotate(openings.begin(), openings.begin() + round % openings.size(), openings.end());
      for (const auto& open : openings) open();
    }
    std::printf("entries %d\n", entries);
    PrintRow("minimal menu, same submenus", Median(shaped.Menu));
    PrintRow("minimal menu, no submenus", Median(flat.Menu));
    PrintRow("launcher menu", Median(launcher.Menu));
    PrintRatios(launcher.Menu, shaped.Menu, "against the same submenus");
    PrintRatios(launcher.Menu, flat.Menu, "against no submenus");
    PrintRow("minimal submenu, first", Median(shaped.Submenu));
    PrintRow("launcher submenu, first", Median(launcher.Submenu));
    PrintRatios(launcher.Submenu, shaped.Submenu, "against the minimal one");
    std::fflush(stdout);
  }
  TComponentDeleter{}(&dialog);
  win.reset();
  RemoveTree(menuFolder);
  ::OleUninitialize();
  return 0;
}
