#pragma once
// The system's buttons (push buttons, check boxes): a click is the button's own notification,
// which comes from the mouse, the Space bar and the dialog keys alike.
#include "framework/caption_control.h"

class TButtonControl : public TCaptionControl {
public:
  using TCaptionControl::TCaptionControl;

protected:
  bool ReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The window's mouse-up is no click of its own here: the notification is.
  void Click() override {}
};
