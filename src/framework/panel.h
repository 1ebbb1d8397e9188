#pragma once
// A borderless area in its colour that holds controls; Tab walks into it.
#include "framework/custom_control.h"

class TPanel : public TCustomControl {
public:
  explicit TPanel(TComponent* owner);

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};
