#pragma once
// Forms and error capture for tests that need a window of their own.
#include <string>
#include <vector>

#include "framework/form.h"

// A form design at (0, 0). Frameless by default: Wine waits for a window manager to take a
// framed window down, and there is none under Xvfb.
TFormDesign TestFormDesign(const std::wstring& className, int width, int height,
                           TFormBorderStyle border = TFormBorderStyle::bsNone);

// Collects what would go to the error box while it lives.
class TErrorBoxCapture {
public:
  TErrorBoxCapture();
  ~TErrorBoxCapture();
  TErrorBoxCapture(const TErrorBoxCapture&) = delete;
  TErrorBoxCapture& operator=(const TErrorBoxCapture&) = delete;

  std::vector<std::wstring> Messages;
};
