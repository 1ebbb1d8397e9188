#pragma once
// Two stacked spin buttons, up over down, that turn left-button presses and the Up/Down keys
// into click notifications, repeating while a button is held by the mouse.
#include <functional>

#include "controls/ud_layout.h"
#include "framework/custom_control.h"
#include "framework/geometry.h"

class TTimer;

// One button's state.
struct TBtnInfo {
  explicit TBtnInfo(TBtnType type) : FBtnType(type) {}
  const TBtnType FBtnType;
  bool FEnabled = true;
  bool FPressed = false;
  TRect FRect;  // in the pair's client coordinates
};

using TBtnClickEvent = std::function<void(TComponent* sender, TBtnType btn)>;

class TSkeletonUDBtn : public TCustomControl {
public:
  explicit TSkeletonUDBtn(TComponent* owner);

  // Neither side gets below 15 pixels; the buttons share the height.
  void SetBounds(int left, int top, int width, int height) override;
  void SetEnabled(bool enabled) override;

  bool GetUpEnabled() const { return FUpInfo.FEnabled; }
  void SetUpEnabled(bool enabled) { SetBtnEnabled(FUpInfo, enabled); }
  bool GetDownEnabled() const { return FDownInfo.FEnabled; }
  void SetDownEnabled(bool enabled) { SetBtnEnabled(FDownInfo, enabled); }
  bool GetUpPressed() const { return FUpInfo.FPressed; }
  void SetUpPressed(bool pressed) { SetBtnPressed(FUpInfo, pressed); }
  bool GetDownPressed() const { return FDownInfo.FPressed; }
  void SetDownPressed(bool pressed) { SetBtnPressed(FDownInfo, pressed); }
  const TBtnInfo& Info(TBtnType type) const { return type == TBtnType::btUp ? FUpInfo : FDownInfo; }

  // A button was pressed, or a held button repeats.
  TBtnClickEvent OnBtnClick;
  // The held button was released.
  TNotifyEvent OnBtnRelease;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  TBtnInfo& InfoOf(TBtnType type) { return type == TBtnType::btUp ? FUpInfo : FDownInfo; }
  void SetBtnEnabled(TBtnInfo& info, bool enabled);
  void SetBtnPressed(TBtnInfo& info, bool pressed);
  void PressBtn(TBtnType type);
  void ReleaseBtn(TBtnType type);
  void RepeatTick();
  void DrawBtn(const TBtnInfo& info);
  void RedrawBtn(const TBtnInfo& info);

  TBtnInfo FUpInfo{TBtnType::btUp};
  TBtnInfo FDownInfo{TBtnType::btDown};
  TBtnInfo* FActive = nullptr;  // the held button
  TTimer* FTimer = nullptr;     // made on the first press, owned
  bool FKeyPressed = false;     // the held button was pressed by an arrow key
};
