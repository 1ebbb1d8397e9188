#pragma once
// A push button. The form's default button (TForm::SetDefaultButton) is drawn with the thick
// frame that tells the user Enter presses it.
#include "framework/button_control.h"

class TButton : public TButtonControl {
public:
  explicit TButton(TComponent* owner);

  bool Default() const { return FDefault; }
  void SetDefault(bool value);

protected:
  void CreateParams(TCreateParams& params) override;

private:
  bool FDefault = false;
};
