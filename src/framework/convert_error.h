#pragma once
// A text that should hold a number does not.
#include <string>

#include "framework/exception.h"

class EConvertError : public Exception {
public:
  using Exception::Exception;
};
