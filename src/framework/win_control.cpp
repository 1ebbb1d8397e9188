#include "framework/win_control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "framework/application.h"
#include "framework/exception.h"
#include "framework/system_colors.h"

namespace {

constexpr UINT_PTR ControlSubclassId = 1;
constexpr UINT_PTR ParentSubclassId = 2;

TShiftState MouseShiftState(WPARAM flags) {
  TShiftState shift;
  if (flags & MK_SHIFT) shift.Include(TShiftStateValue::ssShift);
  if (flags & MK_CONTROL) shift.Include(TShiftStateValue::ssCtrl);
  if (flags & MK_LBUTTON) shift.Include(TShiftStateValue::ssLeft);
  if (flags & MK_RBUTTON) shift.Include(TShiftStateValue::ssRight);
  if (flags & MK_MBUTTON) shift.Include(TShiftStateValue::ssMiddle);
  if (::GetKeyState(VK_MENU) < 0) shift.Include(TShiftStateValue::ssAlt);
  return shift;
}

TShiftState KeyShiftState() {
  TShiftState shift;
  if (::GetKeyState(VK_SHIFT) < 0) shift.Include(TShiftStateValue::ssShift);
  if (::GetKeyState(VK_CONTROL) < 0) shift.Include(TShiftStateValue::ssCtrl);
  if (::GetKeyState(VK_MENU) < 0) shift.Include(TShiftStateValue::ssAlt);
  return shift;
}

// The control a child window notifies its parent about, if it is one of ours.
HWND NotifyingChild(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      return reinterpret_cast<HWND>(lParam);
    default:
      return nullptr;
  }
}

}  // namespace

// The window procedures: one in front of each control's window, one in front of every window
// that parents a control.
class TControlSubclass {
public:
  static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR refData) {
    auto* control = reinterpret_cast<TWinControl*>(refData);
    if (message == WM_NCDESTROY) {
      ::RemoveWindowSubclass(window, &ControlProc, ControlSubclassId);
      control->WindowDestroyed();
      return ::DefSubclassProc(window, message, wParam, lParam);
    }
    if (control->FDestroying) return ::DefSubclassProc(window, message, wParam, lParam);
    try {
      return control->WndProc(message, wParam, lParam);
    } catch (...) {
      Application().HandleException();
      return 0;
    }
  }

  static LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
      ::RemoveWindowSubclass(window, &ParentProc, ParentSubclassId);
    } else if (TWinControl* control = FromHandle(NotifyingChild(message, lParam))) {
      try {
        LRESULT result = 0;
        if (control->ReflectedMessage(message, wParam, lParam, result)) return result;
      } catch (...) {
        Application().HandleException();
        return 0;
      }
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
  }

  static TWinControl* FromHandle(HWND window) {
    DWORD_PTR refData = 0;
    if (window && ::GetWindowSubclass(window, &ControlProc, ControlSubclassId, &refData))
      return reinterpret_cast<TWinControl*>(refData);
    return nullptr;
  }

  static void Attach(TWinControl& control, HWND window) {
    if (!::SetWindowSubclass(window, &ControlProc, ControlSubclassId, reinterpret_cast<DWORD_PTR>(&control))) {
      ::DestroyWindow(window);
      throw Exception(L"コントロールのウィンドウを登録できません");
    }
    // Repeating this for the next child of the same parent changes nothing.
    ::SetWindowSubclass(::GetParent(window), &ParentProc, ParentSubclassId, 0);
  }

  static void Detach(HWND window) { ::RemoveWindowSubclass(window, &ControlProc, ControlSubclassId); }
};

TWinControl::TWinControl(TComponent* owner) : TComponent(owner) {
  FBrush.SetColor(clBtnFace);
  // The window must never draw with a font that is being deleted.
  FFont.OnChanging = [this] {
    if (FHandle) ::SendMessageW(FHandle, WM_SETFONT, 0, FALSE);
  };
}

TWinControl::~TWinControl() { DestroyWindowHandle(); }

void TWinControl::Destroying() {
  FDestroying = true;
  DestroyWindowHandle();
  TComponent::Destroying();
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == FParent && !FParentWindow) return;
  if (FParent) {
    FParent->FControls.erase(std::remove(FParent->FControls.begin(), FParent->FControls.end(), this),
                             FParent->FControls.end());
    CancelRemovalNotice(*FParent);
  }
  DestroyWnd();
  FParent = parent;
  FParentWindow = nullptr;
  if (!FParent) return;
  FParent->FControls.push_back(this);
  RequestRemovalNotice(*FParent);
  if (FParent->HandleAllocated()) CreateWnd();
}

void TWinControl::SetParentWindow(HWND parent) {
  SetParent(nullptr);
  FParentWindow = parent;
  if (FParentWindow) CreateWnd();
}

HWND TWinControl::ParentWindow() const { return FParent ? FParent->FHandle : FParentWindow; }

void TWinControl::RemovalNotice(TComponent& component) {
  if (&component == FParent) FParent = nullptr;  // our window went with the parent's
  FControls.erase(std::remove(FControls.begin(), FControls.end(), &component), FControls.end());
  TComponent::RemovalNotice(component);
}

void TWinControl::CreateWnd() {
  const HWND parent = ParentWindow();
  if (!parent) throw Exception(L"親ウィンドウのないコントロールは作成できません");
  TCreateParams params;
  CreateParams(params);
  const HWND window =
      ::CreateWindowExW(params.ExStyle, params.ClassName.c_str(), L"", params.Style | WS_CHILD, FLeft, FTop, FWidth,
                        FHeight, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!window) throw Exception(L"コントロール " + params.ClassName + L" を作成できません");
  TControlSubclass::Attach(*this, window);
  FHandle = window;
  if (!FEnabled) ::EnableWindow(window, FALSE);
  ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Handle()), FALSE);
  CreateChildWindows();
  if (FAlign != TAlign::alNone && FParent) FParent->Realign();
}

void TWinControl::CreateChildWindows() {
  for (TWinControl* child : FControls) {
    if (!child->HandleAllocated()) child->CreateWnd();
  }
}

void TWinControl::DestroyWnd() { DestroyWindowHandle(); }

void TWinControl::DestroyWindowHandle() {
  if (!FHandle) return;
  // Quietly: a window that goes away on purpose reports no focus loss or capture change.
  const HWND window = FHandle;
  TControlSubclass::Detach(window);
  WindowDestroyed();
  ::DestroyWindow(window);
}

void TWinControl::WindowDestroyed() {
  FHandle = nullptr;
  FLeftButtonDown = false;
  FClicked = false;
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  const bool focused = Focused();
  DestroyWnd();
  CreateWnd();
  if (focused) SetFocus();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (FHandle) ::SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (FAlign != TAlign::alNone && FParent) FParent->Realign();
}

int TWinControl::ClientWidth() const {
  RECT r{0, 0, FWidth, FHeight};
  if (FHandle) ::GetClientRect(FHandle, &r);
  return r.right - r.left;
}

int TWinControl::ClientHeight() const {
  RECT r{0, 0, FWidth, FHeight};
  if (FHandle) ::GetClientRect(FHandle, &r);
  return r.bottom - r.top;
}

void TWinControl::SetAlign(TAlign align) {
  FAlign = align;
  if (FAlign != TAlign::alNone && FParent) FParent->Realign();
}

TRect TWinControl::AlignArea() const { return {0, 0, ClientWidth(), ClientHeight()}; }

void TWinControl::Realign() {
  // Placing a child calls back here; one pass is enough.
  if (FRealigning) return;
  FRealigning = true;
  const TRect area = AlignArea();
  for (TWinControl* child : FControls) {
    if (child->FAlign == TAlign::alRight)
      child->SetBounds(area.Right - child->FWidth, area.Top, child->FWidth, area.Height());
  }
  FRealigning = false;
}

void TWinControl::SetFont(const TFontDescription& font) {
  FFont.Assign(font);
  if (!FHandle) return;
  ::SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Handle()), TRUE);
  Invalidate();  // the colour may have changed too
}

void TWinControl::SetColor(TColor color) {
  FBrush.SetColor(color);
  Invalidate();
}

void TWinControl::SetEnabled(bool enabled) {
  FEnabled = enabled;
  if (FHandle) ::EnableWindow(FHandle, enabled);
}

bool TWinControl::Focused() const { return FHandle && ::GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  if (FHandle) ::SetFocus(FHandle);
}

bool TWinControl::MouseCapture() const { return FHandle && ::GetCapture() == FHandle; }

void TWinControl::SetMouseCapture(bool capture) {
  if (capture && FHandle)
    ::SetCapture(FHandle);
  else if (!capture && MouseCapture())
    ::ReleaseCapture();
}

void TWinControl::Invalidate() {
  if (FHandle) ::InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::Repaint() {
  Invalidate();
  if (FHandle) ::UpdateWindow(FHandle);
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefSubclassProc(FHandle, message, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      return MouseMessage(message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
      return KeyMessage(message, wParam, lParam);
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != FHandle) FLeftButtonDown = FClicked = false;
      break;
    case WM_SETFOCUS: {
      const LRESULT result = DefaultHandler(message, wParam, lParam);
      DoEnter();
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = DefaultHandler(message, wParam, lParam);
      DoExit();
      return result;
    }
    case WM_SIZE: {
      const LRESULT result = DefaultHandler(message, wParam, lParam);
      Realign();
      return result;
    }
    default:
      break;
  }
  return DefaultHandler(message, wParam, lParam);
}

LRESULT TWinControl::MouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  TShiftState shift = MouseShiftState(wParam);
  const bool doubleClick = message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
  if (doubleClick) shift.Include(TShiftStateValue::ssDouble);
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) FLeftButtonDown = true;
  // Taken before the system's handling, which may let go of the mouse and so cancel the click.
  const bool clicked = message == WM_LBUTTONUP && std::exchange(FClicked, false);
  if (message == WM_LBUTTONUP) FLeftButtonDown = false;

  const LRESULT result = DefaultHandler(message, wParam, lParam);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetMouseCapture(true);
      FClicked = true;
      if (doubleClick) DblClick();
      MouseDown(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(TMouseButton::mbMiddle, shift, x, y);
      break;
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    case WM_LBUTTONUP:
      SetMouseCapture(false);
      if (clicked && x >= 0 && y >= 0 && x < ClientWidth() && y < ClientHeight()) Click();
      MouseUp(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(TMouseButton::mbMiddle, shift, x, y);
      break;
    default:
      break;
  }
  return result;
}

LRESULT TWinControl::KeyMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR) {
    auto key = static_cast<wchar_t>(wParam);
    KeyPress(key);
    if (key == 0) return 0;
    return DefaultHandler(message, static_cast<WPARAM>(key), lParam);
  }
  auto key = static_cast<std::uint16_t>(wParam);
  if (message == WM_KEYDOWN)
    KeyDown(key, KeyShiftState());
  else
    KeyUp(key, KeyShiftState());
  if (key == 0) return 0;
  return DefaultHandler(message, key, lParam);
}

bool TWinControl::ReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      return ColorMessage(reinterpret_cast<HDC>(wParam), result);
    default:
      return false;
  }
}

bool TWinControl::ColorMessage(HDC dc, LRESULT& result) {
  ::SetTextColor(dc, ColorToRGB(FFont.Color()));
  ::SetBkColor(dc, ColorToRGB(FBrush.Color()));
  result = reinterpret_cast<LRESULT>(FBrush.Handle());
  return true;
}

void TWinControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TWinControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TWinControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(wchar_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::Click() {
  if (OnClick) OnClick(this);
}

void TWinControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}
