// Matching and ranking, with a folding that lower-cases ASCII and spells "ß" as "ss": a
// folding that changes lengths, as the system's does for half-width kana.
#include <gtest/gtest.h>

#include <cwctype>

#include "search/folder_content.h"
#include "search/search_ranking.h"

namespace {

const TTextFolding Folding{[](std::wstring_view text) {
                             std::wstring folded;
                             for (const wchar_t c : text)
                               folded += c == L'ß' ? std::wstring(L"ss") : std::wstring(1, static_cast<wchar_t>(std::towlower(c)));
                             return folded;
                           },
                           [](wchar_t c) {
                             if (c >= L'a' && c <= L'z') return TLetterCase::lcLower;
                             return c >= L'A' && c <= L'Z' ? TLetterCase::lcUpper : TLetterCase::lcNone;
                           }};

TEST(SearchRanking, NamesRankByWhereTheTextIsFound) {
  const struct {
    const wchar_t* Name;
    const wchar_t* Text;
    TMatchRank Rank;
  } cases[] = {
      {L"Notepad", L"NOTE", TMatchRank::mrStart},
      {L"My Notes", L"no", TMatchRank::mrWordStart},
      {L"my-notes", L"no", TMatchRank::mrWordStart},
      {L"my_notes", L"no", TMatchRank::mrWordStart},
      {L"setup.notes", L"no", TMatchRank::mrWordStart},
      {L"a  b", L"b", TMatchRank::mrWordStart},
      {L"MyNotes", L"notes", TMatchRank::mrWordStart},  // a capital after a lower-case letter
      {L"HTMLEditor", L"editor", TMatchRank::mrWithin},  // but not after a capital
      {L"Keynote", L"note", TMatchRank::mrWithin},
      {L"Keynote Notes", L"note", TMatchRank::mrWordStart},  // the better of two places
      {L"Straße Map", L"map", TMatchRank::mrWordStart},  // folding made the first word longer
      {L"StraßeMap", L"emap", TMatchRank::mrWithin},
      {L"Straße", L"strasse", TMatchRank::mrStart},
      {L"Paint", L"x", TMatchRank::mrNone},
      {L"Paint", L"", TMatchRank::mrNone},
      {L"", L"a", TMatchRank::mrNone},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatchRank(MakeSearchName(c.Name, Folding), Folding.Fold(c.Text)), c.Rank) << c.Name << " / " << c.Text;
}

TFolderItem File(const wchar_t* name) { return {name, false, false, L""}; }
TFolderItem SubFolder(const wchar_t* name) { return {name, true, false, L""}; }

TIndexFolder Folder(const wchar_t* path, const wchar_t* shown, std::vector<TFolderItem> items, std::size_t subtreeEnd,
                    bool pending = false) {
  auto content = MakeFolderContent(path, items, Folding);
  const std::size_t entries = content->Entries.size();
  return {std::move(content), entries, path, shown, subtreeEnd, pending};
}

TEST(SearchRanking, ResultsComeBestFirstThenMostRecentThenByName) {
  TIndexSnapshot snapshot;
  snapshot.Folders = {
      Folder(L"C:\\M", L"", {SubFolder(L"Tools"), File(L"Keynote.txt"), {L"Notepad.lnk", false, true, L"C:\\np.exe"}}, 4),
      Folder(L"C:\\M\\Tools", L"Tools", {SubFolder(L"Net"), File(L"Note Taker.exe"), File(L"notes.txt")}, 3),
      Folder(L"C:\\M\\Tools\\Net", L"Tools\\Net", {File(L"NoteSync.exe"), File(L"Denote.exe")}, 3, true),
      Folder(L"C:\\Other", L"Other", {File(L"Notebook.exe")}, 4),
  };
  // Only the first two entries of Tools count: the cap cut the last.
  snapshot.Folders[1].Entries = 2;
  const std::vector<std::wstring> recent = {L"C:\\M\\Tools\\notes.txt", L"C:\\M\\Keynote.txt"};
  const struct {
    const wchar_t* Text;
    std::size_t MaxHits;
    std::size_t Subtree;
    std::vector<std::wstring> Hits;  // name|folder
    std::size_t More;
    bool Incomplete;
  } cases[] = {
      {L"note", 10, 0, {L"Note Taker.exe|Tools", L"Notebook.exe|Other", L"Notepad|", L"NoteSync.exe|Tools\\Net",
                        L"Keynote.txt|", L"Denote.exe|Tools\\Net"}, 0, true},
      {L"note", 2, 0, {L"Note Taker.exe|Tools", L"Notebook.exe|Other"}, 4, true},
      {L"NET", 5, 0, {L"<Net>|Tools"}, 0, true},
      {L"sync", 5, 1, {L"NoteSync.exe|Net"}, 0, true},
      {L"book", 5, 3, {L"Notebook.exe|"}, 0, false},
      {L"", 5, 0, {}, 0, true},
  };
  for (const auto& c : cases) {
    const std::wstring folded = Folding.Fold(c.Text);
    const TSearchResults results = SearchSnapshot(snapshot, {folded, &recent, c.MaxHits, c.Subtree});
    std::vector<std::wstring> hits;
    for (const TSearchHit& hit : results.Hits) hits.push_back(hit.Name + L"|" + hit.Folder);
    EXPECT_EQ(hits, c.Hits) << c.Text;
    EXPECT_EQ(results.More, c.More) << c.Text;
    EXPECT_EQ(results.Incomplete, c.Incomplete) << c.Text;
  }
  // The most recently started comes first within its rank.
  const std::wstring folded = Folding.Fold(L"note");
  const std::vector<std::wstring> notesFirst = {L"C:\\M\\Tools\\notes.txt"};
  snapshot.Folders[1].Entries = 3;
  const TSearchResults results = SearchSnapshot(snapshot, {folded, &notesFirst, 1, 0});
  ASSERT_EQ(results.Hits.size(), 1u);
  EXPECT_EQ(results.Hits[0].Path, L"C:\\M\\Tools\\notes.txt");
}

}  // namespace
