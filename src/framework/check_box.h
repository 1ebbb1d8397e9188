#pragma once
// A check box that the user ticks and clears.
#include "framework/button_control.h"

class TCheckBox : public TButtonControl {
public:
  explicit TCheckBox(TComponent* owner);

  bool Checked() const;
  void SetChecked(bool checked);

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;

private:
  bool FChecked = false;  // held here while there is no window
};
