#pragma once
// The one window of the process that receives the shell's notifications for every tray icon
// and hands each to its icon. It is top-level (though never shown) so that it also hears the
// shell announce a new taskbar, and puts the visible icons back then.
#include <windows.h>

#include "framework/component.h"
#include "framework/window.h"

class TSingleClick;

constexpr UINT WM_TRAYNOTIFY = WM_USER + 200;

class TCallbackWindow : public TComponent, private TWindow {
public:
  explicit TCallbackWindow(TComponent* owner);
  ~TCallbackWindow() override;

  // The process's callback window, made with the first icon's owner; null until then.
  static TCallbackWindow* Instance();
  static TCallbackWindow& Ensure(TComponent* owner);

  HWND Handle();  // made when first needed
  // The end of a single-click worker, on the user-interface thread.
  void SingleClickElapsed(TSingleClick& worker);
  // Offers the visible icons the shell refused again every second; a refusal that lasts a
  // minute is reported once.
  void OfferRefusedIconsLater();

private:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void WMTrayNotify(WPARAM iconId, LPARAM mouseMessage);
  void TaskbarCreated();
  void OfferRefusedIcons();

  int FOffersLeft = 0;
};
