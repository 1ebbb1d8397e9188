#pragma once
// A labelled frame that holds controls; Tab walks into it.
#include "framework/caption_control.h"

class TGroupBox : public TCaptionControl {
public:
  explicit TGroupBox(TComponent* owner);

protected:
  void CreateParams(TCreateParams& params) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
