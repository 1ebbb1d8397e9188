#pragma once
// TTrayIcon: one icon in the notification area, with its picture and tooltip kept current;
// the shell's mouse notifications become events or pop up the menu of the button pressed.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/component.h"
#include "framework/exception.h"
#include "framework/form.h"
#include "framework/icon.h"
#include "framework/mouse_event.h"

class TCallbackWindow;
class TImageList;
class TPopupMenu;

// The shell refused the icon (or 100 icons exist already).
class EOutOfResources : public Exception {
public:
  using Exception::Exception;
};

enum class TTrayUpdate { tuAdd, tuModify, tuDelete };

class TTrayIcon : public TComponent {
public:
  static constexpr size_t TipHelpMaxBytes = 62;  // code-page-932 bytes

  explicit TTrayIcon(TComponent* owner);
  ~TTrayIcon() override;

  // Frames for an icon animation: kept as a setting only; nothing animates the icon.
  TImageList* AnimateIcons() const { return FAnimateIcons; }
  void SetAnimateIcons(TImageList* images);
  int AnimateRate() const { return FAnimateRate; }
  void SetAnimateRate(int milliseconds);
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool value) { FAutoPopup = value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  TIcon& Icon() { return FIcon; }
  // Copies `icon` into Icon; none empties Icon and hides the tray icon.
  void SetIcon(const TIcon* icon);
  TPopupMenu* LBPopupMenu() const { return FLBPopupMenu; }
  void SetLBPopupMenu(TPopupMenu* menu);
  TPopupMenu* RBPopupMenu() const { return FRBPopupMenu; }
  void SetRBPopupMenu(TPopupMenu* menu);
  const std::wstring& TipHelp() const { return FTipHelp; }
  void SetTipHelp(const std::wstring& text);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);

  int IconID() const { return FIconID; }
  bool Added() const { return FAdded; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  // The only place that talks to the shell.
  void UpdateTray(TTrayUpdate mode);

protected:
  void LoadFinished() override;
  void RemovalNotice(TComponent& component) override;

private:
  friend class TCallbackWindow;
  void IconChanged();
  // Gives the icon to the shell; false when the shell refuses it.
  bool AddToShell();
  // A mouse message of the shell for this icon, at the cursor's screen position.
  void Notify(UINT mouseMessage, int x, int y);
  void LeftButtonUp(int x, int y);
  bool AutoPopupMenu(TPopupMenu* menu, int x, int y);
  void SetMenuReference(TPopupMenu*& field, TPopupMenu* menu);

  int FIconID;
  NOTIFYICONDATAW FNotifyData{};
  bool FAdded = false;
  bool FClickPending = false;

  TImageList* FAnimateIcons = nullptr;
  int FAnimateRate = 500;
  bool FAutoPopup = true;
  bool FEnabled = true;
  TIcon FIcon;
  TPopupMenu* FLBPopupMenu = nullptr;
  TPopupMenu* FRBPopupMenu = nullptr;
  std::wstring FTipHelp = L"TipHelp";
  bool FVisible = false;
};
