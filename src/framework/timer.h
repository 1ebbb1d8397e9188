#pragma once
// Interval timer component: raises OnTimer every Interval milliseconds while enabled.
// Interval 0 stops it.
#include "framework/component.h"
#include "framework/form.h"
#include "framework/window.h"

class TTimer : public TComponent, private TWindow {
public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned milliseconds);
  // True while the system timer actually runs.
  bool Running() const { return FRunning; }

  TNotifyEvent OnTimer;

protected:
  virtual void Timer();
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  void UpdateTimer();

  unsigned FInterval = 1000;
  bool FEnabled = true;
  bool FRunning = false;
};
