#include "search/search_window.h"

#include <algorithm>

#include "framework/application.h"
#include "framework/canvas.h"
#include "framework/dpi.h"
#include "framework/dpi_scale.h"
#include "framework/menu_item.h"
#include "framework/paint_session.h"
#include "menu/cool_menu.h"
#include "menu/menu_theme.h"
#include "texts/texts.h"

namespace {

// The frame round the rows, at 96 dpi: a line and the menu's margin inside it.
constexpr int FrameWidth = 3;
// A right-hand text stands apart from the name, as a shortcut does from its caption.
constexpr wchar_t RightTextGap[] = L"\t";

// Menu texts take "&" as a mnemonic mark, and "-" alone for a separator; a file name shows as
// it is.
std::wstring MenuText(std::wstring_view text) {
  if (text == L"-") return L"&-";
  std::wstring escaped;
  for (const wchar_t c : text) {
    if (c == L'&') escaped += L'&';
    escaped += c;
  }
  return escaped;
}

// The client point of a mouse message; coordinates are signed.
POINT MousePoint(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

TSearchWindow::TSearchWindow(TComponent* owner, TCoolMenu& styler, TSearchFunction search, THitAction run,
                             THitMenu hitMenu, THitImage hitImage)
    : TComponent(owner),
      FStyler(&styler),
      FSearch(std::move(search)),
      FRun(std::move(run)),
      FHitMenu(std::move(hitMenu)),
      FHitImage(std::move(hitImage)) {
  RequestRemovalNotice(styler);
}

TSearchWindow::~TSearchWindow() { Destroying(); }

void TSearchWindow::Destroying() {
  OnClosed = nullptr;
  DestroyHandle();
  TComponent::Destroying();
}

void TSearchWindow::RemovalNotice(TComponent& component) {
  if (&component != FStyler) return;
  Close();
  FStyler = nullptr;
}

bool TSearchWindow::IsOpen() const { return HandleAllocated() && ::IsWindowVisible(Handle()); }

void TSearchWindow::Show(POINT where, const std::wstring& query) {
  if (query.empty() || !FStyler) return;
  FWhere = {where.x, where.y};
  FQuery = query;
  FStyler->SetDisplayPoint(FWhere);
  FWorkArea = WorkAreaAt(FWhere);
  FRowHeight = FStyler->MeasuredRowHeight(false);
  const int frame = ScaleForDpi(FrameWidth, FStyler->Dpi());
  FFittingRows = static_cast<std::size_t>(std::max(FWorkArea.Height() - 2 * frame, 0) / std::max(FRowHeight, 1));
  if (!HandleAllocated()) {
    TWindowParams params;
    params.ClassName = L"TSearchWindow";
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.Parent = Application().Handle();
    CreateHandle(params);
  }
  Search(std::nullopt);
  ::ShowWindow(Handle(), SW_SHOW);
  ::UpdateWindow(Handle());  // at once, whatever else the queue holds
  ::SetForegroundWindow(Handle());
  ::SetFocus(Handle());
}

void TSearchWindow::TypeKeys(std::wstring_view keys) {
  // Enter and Escape typed that fast act as they would have here.
  for (std::size_t start = 0; IsOpen() && start < keys.size();) {
    const std::size_t end = std::min(keys.find_first_of(L"\r\x1B", start), keys.size());
    Edit(keys.substr(start, end - start));
    if (end == keys.size() || !IsOpen()) break;
    if (keys[end] == L'\r')
      RunHighlighted();
    else
      Close();
    start = end + 1;
  }
}

void TSearchWindow::Refresh() {
  if (!IsOpen()) return;
  Search(FHighlight ? std::optional(FResults.Hits[*FHighlight].Path) : std::nullopt);
}

void TSearchWindow::ImagesChanged() {
  if (IsOpen()) Layout();
}

void TSearchWindow::Close() {
  if (!IsOpen()) return;
  // Hiding the active window deactivates it, which asks to close once more: it is hidden by then.
  ::ShowWindow(Handle(), SW_HIDE);
  if (OnClosed) OnClosed();
}

void TSearchWindow::Edit(std::wstring_view keys) {
  std::optional<std::wstring> query = EditedQuery(FQuery, keys);
  if (!query) {
    Close();
    return;
  }
  if (*query == FQuery) return;
  FQuery = std::move(*query);
  Search(std::nullopt);
}

void TSearchWindow::Search(std::optional<std::wstring> keepPath) {
  FResults = FitSearchResults(FSearch(FQuery, HitCapacity()), FFittingRows);
  FRows = SearchRowsOf(FResults);
  FHighlight.reset();
  if (!FResults.Hits.empty()) FHighlight = 0;
  if (keepPath) {
    const auto kept = std::ranges::find(FResults.Hits, *keepPath, &TSearchHit::Path);
    if (kept != FResults.Hits.end()) FHighlight = static_cast<std::size_t>(kept - FResults.Hits.begin());
  }
  // A screen reader names the window by its text.
  ::SetWindowTextW(Handle(), Text(TText::SearchRow, {FQuery}).c_str());
  Layout();
}

std::wstring TSearchWindow::RowCaption(const TSearchRow& row) const {
  switch (row.Kind) {
    case TSearchRowKind::Query: return MenuText(Text(TText::SearchRow, {FQuery}));
    case TSearchRowKind::Hit: return MenuText(FResults.Hits[row.Hit].Name);
    case TSearchRowKind::More: return MenuText(Text(TText::SearchMore, {std::to_wstring(FResults.More)}));
    case TSearchRowKind::NotFound: return MenuText(Text(TText::SearchNotFound));
    case TSearchRowKind::Incomplete: return MenuText(Text(TText::SearchIncomplete));
  }
  return {};
}

TMenuItem& TSearchWindow::RowItem(std::size_t row) {
  while (FRowItems.size() <= row) FRowItems.push_back(&Make<TMenuItem>());
  return *FRowItems[row];
}

void TSearchWindow::Layout() {
  if (!FStyler) return;
  const bool banner = FStyler->Banner().ShowBanner();
  const int frame = ScaleForDpi(FrameWidth, FStyler->Dpi());
  int width = 0;
  for (std::size_t i = 0; i < FRows.size(); ++i) {
    const TSearchRow& row = FRows[i];
    TMenuItem& item = RowItem(i);
    const bool hit = row.Kind == TSearchRowKind::Hit;
    item.SetCaption(RowCaption(row));
    item.SetEnabled(hit);
    FStyler->SetItemImage(item, hit && FHitImage ? FHitImage(FResults.Hits[row.Hit]) : -1, std::wstring());
    const std::wstring right = hit ? RightTextGap + FResults.Hits[row.Hit].Folder : std::wstring();
    width = std::max(width, FStyler->MeasuredRowWidth(item.Caption(), right, banner));
  }
  FRowWidth = width;
  const int columnHeight = static_cast<int>(FRows.size()) * FRowHeight;
  if (banner) {
    FStyler->Banner().UpdateBannerSize(columnHeight);
    FStyler->Banner().PaintBanner();
  }
  // Where the launcher menu stood, moved back in where it would stick out, as a menu is.
  const int outerWidth = width + 2 * frame, outerHeight = columnHeight + 2 * frame;
  const int left = std::max(std::min(FWhere.X, FWorkArea.Right - outerWidth), FWorkArea.Left);
  const int top = std::max(std::min(FWhere.Y, FWorkArea.Bottom - outerHeight), FWorkArea.Top);
  ::SetWindowPos(Handle(), HWND_TOPMOST, left, top, outerWidth, outerHeight, SWP_NOACTIVATE);
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

TRect TSearchWindow::RowRect(std::size_t row) const {
  const int frame = FStyler ? ScaleForDpi(FrameWidth, FStyler->Dpi()) : 0;
  const int top = frame + static_cast<int>(row) * FRowHeight;
  return {frame, top, frame + FRowWidth, top + FRowHeight};
}

std::optional<std::size_t> TSearchWindow::RowOfHit(std::size_t hit) const {
  // The query row stands above the hits.
  return hit < FResults.Hits.size() ? std::optional(hit + 1) : std::nullopt;
}

std::optional<std::size_t> TSearchWindow::HitAt(POINT clientPoint) const {
  for (std::size_t i = 0; i < FRows.size(); ++i) {
    if (FRows[i].Kind == TSearchRowKind::Hit && RowRect(i).Contains({clientPoint.x, clientPoint.y}))
      return FRows[i].Hit;
  }
  return std::nullopt;
}

void TSearchWindow::InvalidateHit(std::optional<std::size_t> hit) {
  const std::optional<std::size_t> row = hit ? RowOfHit(*hit) : std::nullopt;
  if (!row) return;
  const RECT r = ToWinRect(RowRect(*row));
  ::InvalidateRect(Handle(), &r, FALSE);
}

void TSearchWindow::SetHighlight(std::optional<std::size_t> hit) {
  if (hit == FHighlight) return;
  InvalidateHit(FHighlight);
  FHighlight = hit;
  InvalidateHit(FHighlight);
}

void TSearchWindow::MoveHighlight(int step) {
  if (FHighlight) SetHighlight(StepHit(*FHighlight, step, FResults.Hits.size()));
}

void TSearchWindow::RunHighlighted() {
  if (!FHighlight) return;
  const TSearchHit hit = FResults.Hits[*FHighlight];
  Close();
  FRun(hit);
}

void TSearchWindow::ShowHitMenu(std::optional<POINT> clientPoint) {
  if (!FHighlight || !FHitMenu) return;
  // The menu runs a loop of its own, in which the index may change and the hits with it.
  const TSearchHit hit = FResults.Hits[*FHighlight];
  const TRect row = RowRect(*RowOfHit(*FHighlight));
  const POINT at = clientPoint.value_or(POINT{row.Right, row.Top});
  if (FHitMenu(hit, Handle(), at)) Close();
}

void TSearchWindow::KeyDown(WPARAM key) {
  switch (key) {
    case VK_UP: MoveHighlight(-1); break;
    case VK_DOWN: MoveHighlight(1); break;
    case VK_ESCAPE: Close(); break;
    case VK_RETURN:
      if (::GetKeyState(VK_SHIFT) < 0) {
        ShowHitMenu(std::nullopt);
      } else {
        RunHighlighted();
      }
      break;
    default: break;
  }
}

void TSearchWindow::Paint() {
  const TPaintSession session(Handle());
  if (!FStyler) return;
  const bool banner = FStyler->Banner().ShowBanner();
  for (std::size_t i = 0; i < FRows.size(); ++i) {
    const TSearchRow& row = FRows[i];
    const TRect rect = RowRect(i);
    const RECT r = ToWinRect(rect);
    if (!::RectVisible(session.DC(), &r)) continue;
    const bool hit = row.Kind == TSearchRowKind::Hit;
    const unsigned state = hit && FHighlight == row.Hit ? ODS_SELECTED : hit ? 0 : ODS_DISABLED | ODS_GRAYED;
    const std::wstring right = hit ? FResults.Hits[row.Hit].Folder : std::wstring();
    const std::optional<int> bannerTop = banner ? std::optional(RowRect(0).Top) : std::nullopt;
    FStyler->PaintRow(session.DC(), RowItem(i), state, rect, right, bannerTop);
  }
  // The frame in the menus' own colours: a line, and their margin inside it.
  TCanvas canvas;
  canvas.Bind(session.DC());
  canvas.SetColorScheme(MenuColorScheme());
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const TRect outer = FromWinRect(client);
  const int frame = ScaleForDpi(FrameWidth, FStyler->Dpi());
  const TRect rows{frame, frame, frame + FRowWidth, frame + static_cast<int>(FRows.size()) * FRowHeight};
  canvas.Brush().SetColor(clMenu);
  for (const TRect& side : {TRect{outer.Left, outer.Top, outer.Right, rows.Top},
                            TRect{outer.Left, rows.Bottom, outer.Right, outer.Bottom},
                            TRect{outer.Left, rows.Top, rows.Left, rows.Bottom},
                            TRect{rows.Right, rows.Top, outer.Right, rows.Bottom}}) {
    canvas.FillRect(side);
  }
  canvas.Brush().SetColor(clBtnShadow);
  for (const TRect& line : {TRect{outer.Left, outer.Top, outer.Right, outer.Top + 1},
                            TRect{outer.Left, outer.Bottom - 1, outer.Right, outer.Bottom},
                            TRect{outer.Left, outer.Top, outer.Left + 1, outer.Bottom},
                            TRect{outer.Right - 1, outer.Top, outer.Right, outer.Bottom}}) {
    canvas.FillRect(line);
  }
  canvas.Unbind();
}

LRESULT TSearchWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT at = MousePoint(lParam);
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) Close();
      return 0;
    case WM_KEYDOWN: KeyDown(wParam); return 0;
    case WM_CHAR: {
      // Enter and Escape come as characters too; they were handled as keys.
      const auto c = static_cast<wchar_t>(wParam);
      if (c == L'\b' || c >= L' ') TypeKeys(std::wstring_view(&c, 1));
      return 0;
    }
    case WM_MOUSEMOVE:
      if (const auto hit = HitAt(at)) SetHighlight(hit);
      return 0;
    case WM_LBUTTONUP:
      if (const auto hit = HitAt(at)) {
        SetHighlight(hit);
        RunHighlighted();
      }
      return 0;
    case WM_RBUTTONUP:
      if (const auto hit = HitAt(at)) {
        SetHighlight(hit);
        ShowHitMenu(at);
      }
      return 0;
    case WM_CONTEXTMENU:
      // The menu key or Shift+F10: beside the highlighted hit. A right-click was handled above.
      if (lParam == -1) ShowHitMenu(std::nullopt);
      return 0;
  }
  return TWindow::WndProc(message, wParam, lParam);
}
