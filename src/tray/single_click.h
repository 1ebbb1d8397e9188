#pragma once
// Holds back a single click until the double-click time has passed, so that the first half
// of a double click is not also reported as a click. Frees itself when done.
#include "framework/component.h"
#include "framework/thread.h"

class TTrayIcon;

class TSingleClick : public TThread, public TComponent {
public:
  // Starts timing a click of `icon`; its end runs the callback window's SingleClickElapsed.
  static void Start(TTrayIcon& icon);

  TTrayIcon* Icon() const { return FIcon; }

protected:
  void ThreadBody() override;
  void RemovalNotice(TComponent& component) override;

private:
  explicit TSingleClick(TTrayIcon& icon);
  TTrayIcon* FIcon;  // not owned; cleared if the icon goes first
};
