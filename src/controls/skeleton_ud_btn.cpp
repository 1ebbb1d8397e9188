#include "controls/skeleton_ud_btn.h"

#include "framework/timer.h"

namespace {

constexpr unsigned FirstRepeatDelay = 400;
constexpr unsigned RepeatInterval = 70;

}  // namespace

TSkeletonUDBtn::TSkeletonUDBtn(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, MinButtonPairSize, MinButtonPairSize);
}

void TSkeletonUDBtn::SetBounds(int left, int top, int width, int height) {
  const TButtonPairLayout layout = LayoutButtonPair(width, height);
  FUpInfo.FRect = layout.Up;
  FDownInfo.FRect = layout.Down;
  TCustomControl::SetBounds(left, top, layout.Width, layout.Height);
}

void TSkeletonUDBtn::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  TCustomControl::SetEnabled(enabled);
  Repaint();
}

void TSkeletonUDBtn::SetBtnEnabled(TBtnInfo& info, bool enabled) {
  if (enabled == info.FEnabled) return;
  info.FEnabled = enabled;
  // A disabled pair shows both buttons inactive anyway.
  if (Enabled()) RedrawBtn(info);
}

void TSkeletonUDBtn::SetBtnPressed(TBtnInfo& info, bool pressed) {
  if (pressed == info.FPressed) return;
  info.FPressed = pressed;
  RedrawBtn(info);
}

void TSkeletonUDBtn::Paint() {
  Canvas().Brush().SetColor(clBtnFace);
  Canvas().FillRect(TRect{0, 0, ClientWidth(), ClientHeight()});
  DrawBtn(FUpInfo);
  DrawBtn(FDownInfo);
}

void TSkeletonUDBtn::DrawBtn(const TBtnInfo& info) {
  UINT state = info.FBtnType == TBtnType::btUp ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
  if (!Enabled() || !info.FEnabled)
    state |= DFCS_INACTIVE;
  else if (info.FPressed)
    state |= DFCS_PUSHED;
  RECT rect = ToWinRect(info.FRect);
  ::DrawFrameControl(Canvas().Handle(), &rect, DFC_SCROLL, state);
}

void TSkeletonUDBtn::RedrawBtn(const TBtnInfo& info) {
  PaintNow([this, &info] { DrawBtn(info); });
}

void TSkeletonUDBtn::PressBtn(TBtnType type) {
  TBtnInfo& info = InfoOf(type);
  if (!info.FEnabled) return;
  TBtnInfo& other = InfoOf(type == TBtnType::btUp ? TBtnType::btDown : TBtnType::btUp);
  if (FActive == &other) ReleaseBtn(other.FBtnType);
  SetBtnPressed(info, true);
  FActive = &info;
  if (OnBtnClick) OnBtnClick(this, FActive->FBtnType);

  if (!FTimer) {
    FTimer = &Make<TTimer>();
    FTimer->OnTimer = [this](TComponent*) { RepeatTick(); };
  }
  // A new press, even of the held button, waits the whole first delay again.
  FTimer->SetEnabled(false);
  FTimer->SetInterval(FirstRepeatDelay);
  FTimer->SetEnabled(true);
}

void TSkeletonUDBtn::RepeatTick() {
  FTimer->SetInterval(RepeatInterval);
  // Held keys repeat by themselves: only a button held by the mouse repeats here.
  if (!FActive || !FActive->FEnabled || !FActive->FPressed || !MouseCapture()) return;
  try {
    if (OnBtnClick) OnBtnClick(this, FActive->FBtnType);
  } catch (...) {
    FTimer->SetEnabled(false);
    throw;
  }
}

void TSkeletonUDBtn::ReleaseBtn(TBtnType type) {
  SetBtnPressed(InfoOf(type), false);
  FActive = nullptr;
  if (FTimer) FTimer->SetEnabled(false);
  if (OnBtnRelease) OnBtnRelease(this);
}

void TSkeletonUDBtn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !Enabled()) return;
  if (FUpInfo.FRect.Contains({x, y})) {
    FKeyPressed = false;
    PressBtn(TBtnType::btUp);
  } else if (FDownInfo.FRect.Contains({x, y})) {
    FKeyPressed = false;
    PressBtn(TBtnType::btDown);
  }
}

void TSkeletonUDBtn::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  // Leaving the button lets go of it; coming back does not press it again.
  if (FActive && !FKeyPressed && !FActive->FRect.Contains({x, y})) ReleaseBtn(FActive->FBtnType);
}

void TSkeletonUDBtn::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (FActive) ReleaseBtn(FActive->FBtnType);
  TCustomControl::MouseUp(button, shift, x, y);
}

LRESULT TSkeletonUDBtn::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_UP || wParam == VK_DOWN) {
        PressBtn(wParam == VK_UP ? TBtnType::btUp : TBtnType::btDown);
        FKeyPressed = true;
      }
      break;
    case WM_KEYUP:
      if (wParam == VK_UP || wParam == VK_DOWN) {
        ReleaseBtn(wParam == VK_UP ? TBtnType::btUp : TBtnType::btDown);
        FKeyPressed = false;
      }
      break;
    case WM_CAPTURECHANGED:
      // Another window took the mouse (a menu, a switch to another program): the button
      // would never see its release.
      if (reinterpret_cast<HWND>(lParam) != Handle() && FActive && !FKeyPressed) ReleaseBtn(FActive->FBtnType);
      break;
    default:
      break;
  }
  return TCustomControl::WndProc(message, wParam, lParam);
}
