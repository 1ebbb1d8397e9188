#include "framework/win_control.h"

#include <algorithm>

#include "framework/control_subclass.h"
#include "framework/exception.h"
#include "framework/system_colors.h"
#include "texts/texts.h"

namespace {

// Every control window gets an identifier of its own, as the dialog manager finds buttons by
// identifier. They start above IDOK and IDCANCEL, which the dialog manager treats specially,
// and stay within the 16 bits a command notification carries.
HMENU NextControlId() {
  constexpr UINT_PTR First = 0x100;
  constexpr UINT_PTR Last = 0xFFFF;
  static UINT_PTR next = First;
  const UINT_PTR id = next;
  next = next == Last ? First : next + 1;
  return reinterpret_cast<HMENU>(id);
}

}  // namespace

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
  if (!parent) throw Exception(Text(TText::NoParentWindow));
  TCreateParams params;
  CreateParams(params);
  const HWND window =
      ::CreateWindowExW(params.ExStyle, params.ClassName.c_str(), params.Caption.c_str(), params.Style | WS_CHILD,
                        FLeft, FTop, FWidth, FHeight, parent, NextControlId(), ::GetModuleHandleW(nullptr), nullptr);
  if (!window) throw Exception(Text(TText::NoControl, {params.ClassName}));
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

void TWinControl::SetColorScheme(const TColorScheme* scheme) {
  FScheme = scheme;
  FBrush.SetColorScheme(scheme);
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
  ::SetTextColor(dc, ColorToRGB(FFont.Color(), FScheme));
  ::SetBkColor(dc, ColorToRGB(FBrush.Color(), FScheme));
  result = reinterpret_cast<LRESULT>(FBrush.Handle());
  return true;
}

