#pragma once
// A control with a caption: the text of its window, held here while there is no window.
#include <string>

#include "framework/win_control.h"

class TCaptionControl : public TWinControl {
public:
  using TWinControl::TWinControl;

  const std::wstring& Caption() const { return FCaption; }
  virtual void SetCaption(const std::wstring& caption);

private:
  std::wstring FCaption;
};
