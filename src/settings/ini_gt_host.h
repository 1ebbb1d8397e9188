#pragma once
// What TIniGT asks of the system it runs on.
#include <cstdint>
#include <string>

class TIniGTHost {
public:
  virtual ~TIniGTHost() = default;

  virtual std::wstring ExecutablePath() const = 0;
  virtual std::wstring WindowsDirectory() const = 0;
  // Font sizes in points are converted at this resolution.
  virtual std::int32_t ScreenPixelsPerInch() const = 0;
  // A warning box with an OK button.
  virtual void ShowWarning(const std::wstring& text) const = 0;
};
