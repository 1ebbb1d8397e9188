#include "tray/tray_icon.h"

#include <algorithm>
#include <cwchar>
#include <optional>

#include "framework/application.h"
#include "framework/code_page_932.h"
#include "framework/image_list.h"
#include "framework/menu_foreground.h"
#include "framework/popup_menu.h"
#include "texts/texts.h"
#include "tray/callback_window.h"
#include "tray/single_click.h"
#include "tray/tray_icon_list.h"

namespace {

constexpr int MinAnimateRate = 100;

}  // namespace

TTrayIcon::TTrayIcon(TComponent* owner) : TComponent(owner) {
  TTrayIconList& list = TTrayIconList::Instance();
  if (list.Full()) throw EOutOfResources(Text(TText::TrayRefused));
  FIconID = list.NextIdentifier();
  list.Add(FIconID, *this);
  FIcon.OnChange = [this] { IconChanged(); };
  if (owner) TCallbackWindow::Ensure(owner);
  // The first, small record form: all this icon uses, and what every shell accepts.
  FNotifyData.cbSize = NOTIFYICONDATAW_V1_SIZE;
  FNotifyData.uCallbackMessage = WM_TRAYNOTIFY;
  FNotifyData.uID = static_cast<UINT>(FIconID);
}

TTrayIcon::~TTrayIcon() {
  if (FAdded) UpdateTray(TTrayUpdate::tuDelete);
  TTrayIconList::Instance().Remove(FIconID);
  FIcon.OnChange = nullptr;
}

void TTrayIcon::LoadFinished() { UpdateTray(TTrayUpdate::tuAdd); }

void TTrayIcon::RemovalNotice(TComponent& component) {
  if (&component == FLBPopupMenu) FLBPopupMenu = nullptr;
  if (&component == FRBPopupMenu) FRBPopupMenu = nullptr;
  if (&component == FAnimateIcons) FAnimateIcons = nullptr;
}

void TTrayIcon::SetAnimateIcons(TImageList* images) {
  FAnimateIcons = images;
  if (images) RequestRemovalNotice(*images);
}

void TTrayIcon::SetAnimateRate(int milliseconds) { FAnimateRate = std::max(milliseconds, MinAnimateRate); }

void TTrayIcon::SetEnabled(bool value) {
  FEnabled = value;
  if (!value) FClickPending = false;
}

void TTrayIcon::SetIcon(const TIcon* icon) {
  if (icon == &FIcon) return;
  if (icon) {
    FIcon.Assign(*icon);
    return;
  }
  FIcon.Clear();
  SetVisible(false);
}

void TTrayIcon::SetMenuReference(TPopupMenu*& field, TPopupMenu* menu) {
  field = menu;
  if (menu) RequestRemovalNotice(*menu);
}

void TTrayIcon::SetLBPopupMenu(TPopupMenu* menu) { SetMenuReference(FLBPopupMenu, menu); }

void TTrayIcon::SetRBPopupMenu(TPopupMenu* menu) { SetMenuReference(FRBPopupMenu, menu); }

void TTrayIcon::SetTipHelp(const std::wstring& text) {
  // Cut at a character boundary: half a double-byte character would show as garbage.
  const std::wstring cut = TruncateToCp932Bytes(text, TipHelpMaxBytes);
  if (cut == FTipHelp) return;
  FTipHelp = cut;
  if (FAdded) UpdateTray(TTrayUpdate::tuModify);
}

void TTrayIcon::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value && !FIcon.Empty();
  if (Loading()) return;  // the add comes with LoadFinished
  if (FVisible)
    UpdateTray(TTrayUpdate::tuAdd);
  else if (FAdded)
    UpdateTray(TTrayUpdate::tuDelete);
}

void TTrayIcon::IconChanged() {
  // An emptied picture is followed by the icon's removal; the shell gets no blank icon.
  if (FAdded && !FIcon.Empty()) UpdateTray(TTrayUpdate::tuModify);
}

void TTrayIcon::UpdateTray(TTrayUpdate mode) {
  FNotifyData.hIcon = FIcon.Handle();
  std::wcsncpy(FNotifyData.szTip, FTipHelp.c_str(), std::size(FNotifyData.szTip) - 1);
  FNotifyData.uFlags = NIF_MESSAGE | NIF_ICON | (FTipHelp.empty() ? 0u : NIF_TIP);
  switch (mode) {
    case TTrayUpdate::tuAdd: {
      if (!FVisible) return;
      TCallbackWindow& callbacks = TCallbackWindow::Ensure(Owner() ? Owner() : this);
      FNotifyData.hWnd = callbacks.Handle();
      // A program started with Windows may come before the taskbar: a refused icon is offered
      // again for a while, and the refusal reported only if it lasts.
      if (!AddToShell()) callbacks.OfferRefusedIconsLater();
      break;
    }
    case TTrayUpdate::tuModify:
      if (!::Shell_NotifyIconW(NIM_MODIFY, &FNotifyData)) throw EOutOfResources(Text(TText::TrayRefused));
      break;
    case TTrayUpdate::tuDelete:
      ::Shell_NotifyIconW(NIM_DELETE, &FNotifyData);
      FAdded = false;
      break;
  }
}

bool TTrayIcon::AddToShell() {
  FAdded = ::Shell_NotifyIconW(NIM_ADD, &FNotifyData) != FALSE;
  return FAdded;
}

void TTrayIcon::Notify(UINT mouseMessage, int x, int y) {
  using enum TShiftStateValue;
  switch (mouseMessage) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(this, TShiftState{}, x, y);
      break;
    case WM_LBUTTONDOWN:
      if (!AutoPopupMenu(FLBPopupMenu, x, y) && OnMouseDown) OnMouseDown(this, TMouseButton::mbLeft, {ssLeft}, x, y);
      break;
    case WM_LBUTTONUP:
      LeftButtonUp(x, y);
      break;
    case WM_LBUTTONDBLCLK:
      // The button-up that follows ends the double click instead of starting a click.
      FClickPending = true;
      if (OnDblClick) OnDblClick(this);
      break;
    case WM_RBUTTONDOWN:
      if (!AutoPopupMenu(FRBPopupMenu, x, y) && OnMouseDown) OnMouseDown(this, TMouseButton::mbRight, {ssRight}, x, y);
      break;
    case WM_RBUTTONUP:
      if (OnMouseUp) OnMouseUp(this, TMouseButton::mbRight, {ssRight}, x, y);
      break;
    case WM_MBUTTONDOWN:
      if (OnMouseDown) OnMouseDown(this, TMouseButton::mbMiddle, {ssMiddle}, x, y);
      break;
    case WM_MBUTTONUP:
      if (OnMouseUp) OnMouseUp(this, TMouseButton::mbMiddle, {ssMiddle}, x, y);
      break;
    default:
      break;
  }
}

void TTrayIcon::LeftButtonUp(int x, int y) {
  if (OnMouseUp) {
    OnMouseUp(this, TMouseButton::mbLeft, {TShiftStateValue::ssLeft}, x, y);
    return;
  }
  if (!OnClick) {
    FClickPending = false;
  } else if (FClickPending) {
    FClickPending = false;  // this up ends a double click
  } else {
    FClickPending = true;
    TSingleClick::Start(*this);
  }
}

bool TTrayIcon::AutoPopupMenu(TPopupMenu* menu, int x, int y) {
  if (!menu || !FAutoPopup) return false;
  // The menu closes properly only while the owner's window is in the foreground.
  std::optional<TMenuForeground> foreground;
  if (auto* form = dynamic_cast<TForm*>(Owner())) {
    foreground.emplace(form->Handle());
    Application().ProcessMessages();
  }
  menu->Popup(x, y);
  return true;
}
