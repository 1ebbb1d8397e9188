#pragma once
// A component that shows a current directory (a directory list box, for one) and that other
// components can follow.
#include <string>

#include "framework/component.h"

class TDirectorySource : public TComponent {
public:
  using TComponent::TComponent;
  virtual std::wstring CurrentDirectory() const = 0;
};
