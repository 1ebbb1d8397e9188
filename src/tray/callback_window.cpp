#include "tray/callback_window.h"

#include "framework/application.h"
#include "framework/form.h"
#include "texts/texts.h"
#include "tray/single_click.h"
#include "tray/tray_icon.h"
#include "tray/tray_icon_list.h"

namespace {

TCallbackWindow*& CurrentWindow() {
  static TCallbackWindow* window = nullptr;
  return window;
}

UINT TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

constexpr UINT_PTR OfferTimer = 1;
constexpr UINT OfferIntervalMs = 1000;
constexpr int OffersBeforeReporting = 60;

}  // namespace

TCallbackWindow::TCallbackWindow(TComponent* owner) : TComponent(owner) {}

TCallbackWindow::~TCallbackWindow() {
  if (CurrentWindow() == this) CurrentWindow() = nullptr;
}

TCallbackWindow* TCallbackWindow::Instance() { return CurrentWindow(); }

TCallbackWindow& TCallbackWindow::Ensure(TComponent* owner) {
  if (!CurrentWindow()) CurrentWindow() = &owner->Make<TCallbackWindow>();
  return *CurrentWindow();
}

HWND TCallbackWindow::Handle() {
  if (!HandleAllocated()) {
    TWindowParams params;
    params.ClassName = L"TCallbackWindow";
    params.Style = WS_POPUP;
    // Owned by the form that owns it, so it goes with that window.
    if (auto* form = dynamic_cast<TForm*>(Owner())) params.Parent = form->Handle();
    CreateHandle(params);
  }
  return TWindow::Handle();
}

LRESULT TCallbackWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TRAYNOTIFY) {
    WMTrayNotify(wParam, lParam);
    return 0;
  }
  if (message == TaskbarCreatedMessage()) {
    TaskbarCreated();
    return 0;
  }
  if (message == WM_TIMER && wParam == OfferTimer) {
    OfferRefusedIcons();
    return 0;
  }
  return TWindow::WndProc(message, wParam, lParam);
}

void TCallbackWindow::WMTrayNotify(WPARAM iconId, LPARAM mouseMessage) {
  TTrayIcon* icon = TTrayIconList::Instance().Find(static_cast<int>(iconId));
  if (!icon || !icon->Enabled()) return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  icon->Notify(static_cast<UINT>(mouseMessage), cursor.x, cursor.y);
}

void TCallbackWindow::TaskbarCreated() {
  // A restarted shell has forgotten every icon: give it the visible ones again.
  for (TTrayIcon* icon : TTrayIconList::Instance().Icons()) {
    if (!icon->Visible()) continue;
    icon->FAdded = false;
    icon->UpdateTray(TTrayUpdate::tuAdd);
  }
}

void TCallbackWindow::OfferRefusedIconsLater() {
  FOffersLeft = OffersBeforeReporting;
  ::SetTimer(Handle(), OfferTimer, OfferIntervalMs, nullptr);
}

void TCallbackWindow::OfferRefusedIcons() {
  bool refused = false;
  for (TTrayIcon* icon : TTrayIconList::Instance().Icons()) {
    if (icon->Visible() && !icon->Added() && !icon->AddToShell()) refused = true;
  }
  if (refused && --FOffersLeft > 0) return;
  ::KillTimer(Handle(), OfferTimer);
  if (refused) Application().ShowException(EOutOfResources(Text(TText::TrayRefused)));
}

void TCallbackWindow::SingleClickElapsed(TSingleClick& worker) {
  TTrayIcon* icon = worker.Icon();
  if (!icon) return;  // the icon went away while the click was timed
  if (icon->OnClick && icon->FClickPending) icon->OnClick(icon);
  icon->FClickPending = false;
}
