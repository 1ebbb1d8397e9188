#pragma once
// Controls with a window of their own: a child window of a parent control or of any other
// window, with bounds, font, colour, enabled state, focus and mouse capture, and the mouse,
// keyboard and focus events. The window may be of a system class (an edit box, say): it is
// subclassed, and what the control does not handle goes on to the class's own procedure.
// Notifications the system sends to the parent (commands, colour requests) are handed back
// to the control that caused them.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/brush.h"
#include "framework/color.h"
#include "framework/component.h"
#include "framework/font.h"
#include "framework/font_description.h"
#include "framework/form.h"
#include "framework/geometry.h"
#include "framework/key_event.h"
#include "framework/mouse_event.h"

// alRight keeps a control at the right edge of its parent's aligning area, as high as it.
enum class TAlign { alNone, alRight };

class TWinControl : public TComponent {
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  void Destroying() override;

  HWND Handle() const { return FHandle; }
  bool HandleAllocated() const { return FHandle != nullptr; }

  // The control's window is made as soon as its parent has one, and again whenever the parent
  // makes a new one.
  TWinControl* Parent() const { return FParent; }
  void SetParent(TWinControl* parent);
  // A parent window that is no control (a form, a dialog).
  void SetParentWindow(HWND parent);
  HWND ParentWindow() const;

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetWidth(int width) { SetBounds(FLeft, FTop, width, FHeight); }
  void SetHeight(int height) { SetBounds(FLeft, FTop, FWidth, height); }
  int ClientWidth() const;
  int ClientHeight() const;

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign align);

  const TFontDescription& Font() const { return FFont.Description(); }
  void SetFont(const TFontDescription& font);
  TColor Color() const { return FBrush.Color(); }
  void SetColor(TColor color);
  // Where the control takes system colour references from; not owned, null for the system.
  void SetColorScheme(const TColorScheme* scheme);

  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool enabled);

  bool Focused() const;
  void SetFocus();
  bool MouseCapture() const;
  void SetMouseCapture(bool capture);

  void Invalidate();
  // Paints what is invalid now, without waiting for the message loop.
  void Repaint();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

protected:
  struct TCreateParams {
    std::wstring ClassName;  // a system class, or one the control registered
    std::wstring Caption;
    DWORD Style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD ExStyle = 0;
  };
  // Every control names its window class here.
  virtual void CreateParams(TCreateParams& params) = 0;
  // Makes the window, then the windows of the child controls.
  virtual void CreateWnd();
  // Destroys the window (the children's go with it); overrides save what the window held.
  virtual void DestroyWnd();
  // For style changes that a window takes only when it is made.
  void RecreateWnd();

  // Every message of the window; what is not handled goes to DefaultHandler.
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
  // A notification the system sent to the parent about this control (WM_COMMAND,
  // WM_CTLCOLOR...). Returns true when handled, with the parent's answer in `result`.
  virtual bool ReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // The area aligned children fill, in client coordinates.
  virtual TRect AlignArea() const;

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void KeyDown(std::uint16_t& key, TShiftState shift);
  virtual void KeyPress(wchar_t& key);
  virtual void KeyUp(std::uint16_t& key, TShiftState shift);
  virtual void Click();
  virtual void DblClick();
  virtual void DoEnter();
  virtual void DoExit();

  // Whether the left button went down in this control and is still down.
  bool LeftButtonDown() const { return FLeftButtonDown; }

  void RemovalNotice(TComponent& component) override;

private:
  friend class TControlSubclass;

  void CreateChildWindows();
  void DestroyWindowHandle();
  void WindowDestroyed();
  void Realign();
  LRESULT MouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT KeyMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool ColorMessage(HDC dc, LRESULT& result);

  HWND FHandle = nullptr;
  TWinControl* FParent = nullptr;
  HWND FParentWindow = nullptr;
  std::vector<TWinControl*> FControls;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  TAlign FAlign = TAlign::alNone;
  bool FRealigning = false;
  TFont FFont;
  TBrush FBrush;
  const TColorScheme* FScheme = nullptr;
  bool FEnabled = true;
  bool FLeftButtonDown = false;
  bool FClicked = false;
  bool FDestroying = false;
};
