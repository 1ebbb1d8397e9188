// The results window over a fake search: typing, the highlight, running hits, the row cap, and
// a picture of it in the launcher menu's look (search_window.png beside the test program).
#include "search/search_window.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/file_icons.h"
#include "controls/window_capture.h"
#include "framework/dpi.h"
#include "menu/styler_fixture.h"
#include "search/search_rows.h"
#include "support/message_pump.h"

namespace {

// Answers the names that contain the query, in the order given, and keeps what it was asked.
struct TFakeSearch {
  std::vector<std::wstring> Names;
  bool Incomplete = false;
  bool IgnoresLimit = false;
  std::vector<std::pair<std::wstring, std::size_t>> Asked;

  TSearchResults operator()(const std::wstring& query, std::size_t maxHits) {
    Asked.emplace_back(query, maxHits);
    TSearchResults results;
    results.Incomplete = Incomplete;
    for (const std::wstring& name : Names) {
      if (name.find(query) == std::wstring::npos) continue;
      if (results.Hits.size() < maxHits || IgnoresLimit) {
        results.Hits.push_back({name, L"Tools\\Net", L"C:\\Menu\\Tools\\Net\\" + name, false});
      } else {
        ++results.More;
      }
    }
    return results;
  }
};

class SearchWindowTest : public StylerFixture {
protected:
  SearchWindowTest() {
    search.Names = {L"alpha.exe", L"beta.txt", L"gamma.exe", L"alphabet.txt"};
    window = &form->Make<TSearchWindow>(
        styler, [this](const std::wstring& q, std::size_t n) { return search(q, n); },
        [this](const TSearchHit& hit) { ran.push_back(hit.Name); }, nullptr,
        [this](const TSearchHit& hit) { return hit.Name.ends_with(L".txt") ? textImage : -1; });
    window->OnClosed = [this] { ++closed; };
  }

  void Show(const std::wstring& query) { window->Show({40, 40}, query); }
  void Key(WPARAM key) { ::SendMessageW(window->Handle(), WM_KEYDOWN, key, 0); }
  void Char(wchar_t c) { ::SendMessageW(window->Handle(), WM_CHAR, c, 0); }
  void ClickRow(std::size_t row) {
    RECT client{};
    ::GetClientRect(window->Handle(), &client);
    const int rowHeight = styler.MeasuredRowHeight(false);
    const LPARAM at = MAKELPARAM(client.right / 2, 3 + static_cast<int>(row) * rowHeight + rowHeight / 2);
    ::SendMessageW(window->Handle(), WM_LBUTTONUP, 0, at);
  }

  TFakeSearch search;
  TSearchWindow* window = nullptr;
  std::vector<std::wstring> ran;
  int closed = 0;
  int textImage = -1;
};

TEST(SearchRows, EditsAndRows) {
  EXPECT_EQ(EditedQuery(L"ab", L"c\bd"), L"abd");
  EXPECT_EQ(EditedQuery(L"a\xD840\xDC0B", L"\b"), L"a");  // a surrogate pair goes whole
  EXPECT_EQ(EditedQuery(L"ab", L"\r\x1B"), L"ab");
  EXPECT_EQ(EditedQuery(L"ab", L"\b\b"), std::nullopt);
  EXPECT_EQ(EditedQuery(L"ab", L"\b\bx"), std::nullopt);  // closed: what follows goes nowhere
  EXPECT_EQ(StepHit(0, -1, 3), 2u);
  EXPECT_EQ(StepHit(2, 1, 3), 0u);
  using K = TSearchRowKind;
  TSearchResults results;
  EXPECT_EQ(SearchRowsOf(results), (std::vector<TSearchRow>{{K::Query}, {K::NotFound}}));
  results.Hits.resize(2);
  results.More = 5;
  results.Incomplete = true;
  EXPECT_EQ(SearchRowsOf(results),
            (std::vector<TSearchRow>{{K::Query}, {K::Hit, 0}, {K::Hit, 1}, {K::More}, {K::Incomplete}}));
  // Cut to four rows: one hit goes into "more", the incomplete note keeps its row.
  const TSearchResults cut = FitSearchResults(results, 4);
  EXPECT_EQ(cut.Hits.size(), 1u);
  EXPECT_EQ(cut.More, 6u);
  EXPECT_EQ(SearchRowsOf(cut).size(), 4u);
}

TEST_F(SearchWindowTest, TypingRefinesAndBackspaceToEmptyCloses) {
  Show(L"a");
  ASSERT_TRUE(window->IsOpen());
  EXPECT_EQ(::GetForegroundWindow(), window->Handle());
  Char(L'l');
  window->TypeKeys(L"pha.\bb");
  EXPECT_EQ(window->Query(), L"alphab");
  EXPECT_EQ(search.Asked.back().first, L"alphab");
  ASSERT_EQ(window->Results().Hits.size(), 1u);
  EXPECT_EQ(window->Results().Hits[0].Name, L"alphabet.txt");
  for (int i = 0; i < 5; ++i) Char(L'\b');
  EXPECT_TRUE(window->IsOpen());
  Char(L'\b');
  EXPECT_FALSE(window->IsOpen());
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(ran.empty());
  // Another window taking the foreground closes it, as it closes a menu.
  Show(L"a");
  ASSERT_TRUE(window->IsOpen());
  const TComponentPtr<TForm> other = MakeComponent<TForm>(TestFormDesign(L"TOtherForm", 50, 50));
  other->Show();
  ::SetForegroundWindow(other->Handle());
  PumpUntil([&] { return !window->IsOpen(); }, 2000);
  EXPECT_FALSE(window->IsOpen());
  EXPECT_EQ(closed, 2);
}

TEST_F(SearchWindowTest, KeysAndClicksRunTheHighlightedHitOnly) {
  struct TCase {
    const wchar_t* Query;
    std::vector<WPARAM> Keys;
    const wchar_t* Runs;  // null: nothing runs and the window stays
  };
  const TCase cases[] = {
      {L"a", {VK_RETURN}, L"alpha.exe"},
      {L"a", {VK_DOWN, VK_DOWN, VK_RETURN}, L"gamma.exe"},
      {L"a", {VK_UP, VK_RETURN}, L"alphabet.txt"},  // round to the last
      {L"a", {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, L"alpha.exe"},
      {L"zzz", {VK_DOWN, VK_RETURN}, nullptr},  // "not found" is no hit
  };
  for (const TCase& c : cases) {
    ran.clear();
    Show(c.Query);
    for (WPARAM key : c.Keys) Key(key);
    if (c.Runs) {
      EXPECT_EQ(ran, std::vector<std::wstring>{c.Runs}) << c.Query << " " << c.Keys.size();
      EXPECT_FALSE(window->IsOpen());
    } else {
      EXPECT_TRUE(ran.empty()) << c.Query;
      EXPECT_TRUE(window->IsOpen());
    }
    window->Close();
  }
  // Grey rows (the query row, "not found") never run; a click on a hit runs that hit.
  ran.clear();
  search.Names = {L"one.exe", L"two.exe"};
  Show(L"o");
  ClickRow(0);
  EXPECT_TRUE(window->IsOpen());
  ClickRow(2);
  EXPECT_EQ(ran, std::vector<std::wstring>{L"two.exe"});
  EXPECT_FALSE(window->IsOpen());
}

TEST_F(SearchWindowTest, OneColumnOfRowsAtMost) {
  search.Names.assign(2000, L"x.exe");
  search.Incomplete = true;
  for (bool ignoresLimit : {false, true}) {
    search.IgnoresLimit = ignoresLimit;
    Show(L"x");
    const TRect work = WorkAreaAt({40, 40});
    EXPECT_EQ(search.Asked.back().second, window->HitCapacity());
    // Query row, hits, "more", the incomplete note: all within the work area.
    const auto& results = window->Results();
    EXPECT_EQ(results.Hits.size() + results.More, 2000u);
    RECT bounds{};
    ::GetWindowRect(window->Handle(), &bounds);
    EXPECT_GE(bounds.top, work.Top);
    EXPECT_LE(bounds.bottom, work.Bottom);
    EXPECT_GE(bounds.bottom - bounds.top, static_cast<LONG>(results.Hits.size() + 3) * styler.MeasuredRowHeight(false));
    window->Close();
  }
}

TEST_F(SearchWindowTest, RefreshKeepsTheHighlightOnItsPath) {
  Show(L"a");
  Key(VK_DOWN);
  search.Names.insert(search.Names.begin(), L"zeta.exe");
  search.Names.insert(search.Names.begin(), L"aardvark.exe");
  window->Refresh();
  Key(VK_RETURN);
  EXPECT_EQ(ran, std::vector<std::wstring>{L"beta.txt"});
}

TEST_F(SearchWindowTest, LooksLikeTheLauncherMenu) {
  SetStateColors(clHighlight, clHighlightText, clMenu, clMenuText);
  ShowLauncherBanner(styler);
  const TIconHandle icon = TypeSmallIcon(L"x.txt", 16);
  textImage = icon ? images.AddIcon(icon.Get()) : AddImage(RGB(0, 120, 200), 2);
  search.Names = {L"メモ帳.txt", L"メモの書き方.txt", L"メモリ診断.exe", L"議事メモ & 予定.txt"};
  search.Incomplete = true;
  Show(L"メモ");
  Key(VK_DOWN);
  ::RedrawWindow(window->Handle(), nullptr, nullptr, RDW_UPDATENOW);
  const TWindowCapture shot(window->Handle());
  shot.SavePng(L"search_window.png");
  // The banner's gradient runs beside the rows, from red at the top to yellow at the bottom.
  const COLORREF top = shot.Pixel(4, 4), bottom = shot.Pixel(4, shot.Height() - 5);
  EXPECT_EQ(GetRValue(top), 255);
  EXPECT_LT(GetGValue(top), 40);
  EXPECT_GT(GetGValue(bottom), 200);
  // The second hit is highlighted, the query row is not.
  const int rowHeight = styler.MeasuredRowHeight(false);
  EXPECT_EQ(shot.Pixel(shot.Width() - 6, 3 + 2 * rowHeight + 2), ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_NE(shot.Pixel(shot.Width() - 6, 3 + 2), ::GetSysColor(COLOR_HIGHLIGHT));
  window->Close();
}

}  // namespace
