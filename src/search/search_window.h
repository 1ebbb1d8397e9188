#pragma once
// The results of a search over the menu tree, in a popup window of our own that stands where
// the launcher menu stood and looks like it: its rows are painted by the launcher menu's
// styler. The window takes the keyboard focus and handles every key itself: typing refines
// the query, Up and Down move the highlight among the hits, Enter or a click runs the
// highlighted hit, Shift+Enter or a right-click shows the hit's context menu, Escape closes.
// It closes too when it loses activation, as a menu does.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/component.h"
#include "framework/geometry.h"
#include "framework/window.h"
#include "search/search_results.h"
#include "search/search_rows.h"

class TCoolMenu;
class TMenuItem;

class TSearchWindow : public TComponent, private TWindow {
public:
  // Answers at most `maxHits` hits for `query`.
  using TSearchFunction = std::function<TSearchResults(const std::wstring& query, std::size_t maxHits)>;
  using THitAction = std::function<void(const TSearchHit&)>;
  // Shows the hit's context menu at the client point `at` of `window`; true when a command of
  // it was carried out.
  using THitMenu = std::function<bool(const TSearchHit&, HWND window, POINT at)>;
  // The hit's image in the styler's image list; -1 while it is not known yet.
  using THitImage = std::function<int(const TSearchHit&)>;

  TSearchWindow(TComponent* owner, TCoolMenu& styler, TSearchFunction search, THitAction run, THitMenu hitMenu,
                THitImage hitImage);
  ~TSearchWindow() override;
  void Destroying() override;

  using TWindow::Handle;

  // Searches for `query` and shows the results with their top-left corner at `where` (moved
  // into the work area), active. An empty query shows nothing.
  void Show(POINT where, const std::wstring& query);
  // Keys typed while the menus were closing, applied in order ('\b' is Backspace, '\r' Enter,
  // '\x1B' Escape).
  void TypeKeys(std::wstring_view keys);
  // The index changed: searches again, the highlight staying on the same path while it is found.
  void Refresh();
  // Images of hits have come: paints them.
  void ImagesChanged();
  void Close();
  bool IsOpen() const;

  const std::wstring& Query() const { return FQuery; }
  // The hits asked of the search: as many as one column of rows holds on the monitor where the
  // window stands.
  std::size_t HitCapacity() const { return SearchHitCapacity(FFittingRows); }
  const TSearchResults& Results() const { return FResults; }

  std::function<void()> OnClosed;

protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void RemovalNotice(TComponent& component) override;

private:
  void Search(std::optional<std::wstring> keepPath);
  void Layout();
  void Paint();
  void KeyDown(WPARAM key);
  void Edit(std::wstring_view keys);
  void MoveHighlight(int step);
  void SetHighlight(std::optional<std::size_t> hit);
  void RunHighlighted();
  void ShowHitMenu(std::optional<POINT> clientPoint);
  // The hit of the row at the client point, none over a grey row or outside the rows.
  std::optional<std::size_t> HitAt(POINT clientPoint) const;
  TRect RowRect(std::size_t row) const;
  std::optional<std::size_t> RowOfHit(std::size_t hit) const;
  void InvalidateHit(std::optional<std::size_t> hit);
  // The caption and right-hand text of a row, and the menu item that paints it.
  std::wstring RowCaption(const TSearchRow& row) const;
  TMenuItem& RowItem(std::size_t row);

  TCoolMenu* FStyler;
  TSearchFunction FSearch;
  THitAction FRun;
  THitMenu FHitMenu;
  THitImage FHitImage;

  TPoint FWhere;
  TRect FWorkArea;
  std::size_t FFittingRows = 0;
  int FRowHeight = 0;
  int FRowWidth = 0;
  std::wstring FQuery;
  TSearchResults FResults;
  std::vector<TSearchRow> FRows;
  std::vector<TMenuItem*> FRowItems;  // the painter's items, one per row shown so far
  std::optional<std::size_t> FHighlight;
};
