#include "support/test_forms.h"

#include "framework/application.h"

TFormDesign TestFormDesign(const std::wstring& className, int width, int height, TFormBorderStyle border) {
  TFormDesign design;
  design.ClassName = className;
  design.Caption = className;
  design.BorderStyle = border;
  design.Width = width;
  design.Height = height;
  return design;
}

TErrorBoxCapture::TErrorBoxCapture() {
  Application().OnException = [this](const std::wstring& message) { Messages.push_back(message); };
}

TErrorBoxCapture::~TErrorBoxCapture() { Application().OnException = nullptr; }
