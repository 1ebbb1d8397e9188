// The search index over a fake menu tree of some 10 000 entries in 500 folders: how long the
// index takes to be built, against folding every name alone (the least a build does), and how
// long a search takes as a text is typed key by key, against a bare scan of the folded names.
// Usage: bench_search [rounds]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "search/search_index.h"
#include "search/system_folding.h"
#include "fake_menu_tree.h"
#include "support/message_pump.h"

namespace {

using Clock = std::chrono::steady_clock;

const std::wstring Menu = L"C:\\Menu";
const wchar_t* const Words[] = {L"Report", L"budget", L"Photo", L"notes", L"Setup", L"tool", L"Archive", L"mail",
                                L"Invoice", L"draft", L"Player", L"game", L"Viewer", L"backup", L"Editor", L"music"};
constexpr int TopFolders = 20;
constexpr int SubFolders = 24;  // in each top folder: 20 + 480 folders, 500 with the menu folder
constexpr int FilesPerFolder = 19;

std::wstring NameFor(int n) {
  return std::wstring(Words[n % 16]) + (n % 3 ? L" " : L"-") + Words[(n / 16) % 16] + L" " + std::to_wstring(n) +
         (n % 4 ? L".txt" : L".lnk");
}

std::shared_ptr<TFakeMenuTree> MakeTree(std::vector<std::wstring>& names) {
  auto tree = std::make_shared<TFakeMenuTree>();
  tree->AddFolder(Menu);
  int n = 0;
  auto addFiles = [&](const std::wstring& folder) {
    for (int i = 0; i < FilesPerFolder; ++i, ++n) {
      names.push_back(NameFor(n));
      tree->AddFile(folder + L"\\" + names.back(), names.back().ends_with(L".lnk") ? L"C:\\Apps\\app.exe" : L"");
    }
  };
  addFiles(Menu);
  for (int t = 0; t < TopFolders; ++t) {
    const std::wstring top = Menu + L"\\" + Words[t % 16] + std::to_wstring(t);
    tree->AddFolder(top);
    names.push_back(Words[t % 16] + std::to_wstring(t));
    addFiles(top);
    for (int s = 0; s < SubFolders; ++s) {
      const std::wstring sub = top + L"\\" + Words[(t + s) % 16] + L" " + std::to_wstring(s);
      tree->AddFolder(sub);
      names.push_back(Words[(t + s) % 16] + std::wstring(L" ") + std::to_wstring(s));
      addFiles(sub);
    }
  }
  return tree;
}

double Ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

bool Settled(const TSearchIndex& index) {
  const auto& folders = index.Snapshot()->Folders;
  return folders.size() > 1 &&
         std::none_of(folders.begin(), folders.end(), [](const TIndexFolder& folder) { return folder.Pending; });
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  std::vector<std::wstring> names;
  const auto tree = MakeTree(names);
  const TTextFolding folding = SystemFolding();

  std::vector<double> foldTimes, buildTimes;
  std::vector<TSearchName> folded;
  for (int round = 0; round < rounds; ++round) {
    folded.clear();
    const Clock::time_point foldStart = Clock::now();
    for (const std::wstring& name : names) folded.push_back(MakeSearchName(name, folding));
    foldTimes.push_back(Ms(foldStart));
  }
  std::unique_ptr<TSearchIndex> index;
  for (int round = 0; round < rounds; ++round) {
    index = std::make_unique<TSearchIndex>(Menu, tree);
    const Clock::time_point buildStart = Clock::now();
    index->Start();
    if (!PumpUntil([&] { return Settled(*index); }, 60000)) {
      std::printf("the index was not built within a minute\n");
      return 1;
    }
    buildTimes.push_back(Ms(buildStart));
  }
  std::vector<const TSearchName*> indexed;
  for (const TIndexFolder& folder : index->Snapshot()->Folders)
    for (std::size_t e = 0; e < folder.Entries; ++e) indexed.push_back(&folder.Content->Entries[e].Match);

  // Fifty recent items, as many as are kept, among the entries.
  std::vector<std::wstring> recent;
  for (int i = 0; i < 50; ++i) recent.push_back(Menu + L"\\" + names[static_cast<std::size_t>(i) * 7 % FilesPerFolder]);
  std::vector<double> keyTimes, scanTimes;
  double slowestKey = 0;
  for (const std::wstring text : {L"report", L"bud", L"photo 1", L"EDITOR-", L"zzz", L"e"}) {
    for (std::size_t length = 1; length <= text.size(); ++length) {
      const std::wstring typed = text.substr(0, length);
      for (int round = 0; round < rounds; ++round) {
        const Clock::time_point searchStart = Clock::now();
        const TSearchResults results = index->Search(typed, recent, 30);
        const double ms = Ms(searchStart);
        keyTimes.push_back(ms);
        slowestKey = std::max(slowestKey, ms);
        const Clock::time_point scanStart = Clock::now();
        const std::wstring foldedText = folding.Fold(typed);
        std::size_t found = 0;
        for (const TSearchName* name : indexed) found += name->Folded.find(foldedText) != std::wstring::npos;
        scanTimes.push_back(Ms(scanStart));
        if (found != results.Hits.size() + results.More) std::printf("'%ls': %zu found by the scan\n", typed.c_str(), found);
      }
    }
  }
  const double fold = Median(foldTimes), build = Median(buildTimes);
  const double key = Median(keyTimes), scan = Median(scanTimes);
  std::printf("entries %zu in %zu folders\n"
              "fold every name            %8.2f ms\nbuild the index            %8.2f ms   ratio %6.2f\n"
              "bare scan, per key         %8.3f ms\nsearch, per key (median)   %8.3f ms   ratio %6.2f\n"
              "search, slowest key        %8.3f ms\n",
              indexed.size(), index->Snapshot()->Folders.size(), fold, build, build / fold, scan, key, key / scan, slowestKey);
  return 0;
}
