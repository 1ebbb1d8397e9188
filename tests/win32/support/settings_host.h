#pragma once
// A settings host for a program at a given path: the Windows directory, 96 pixels per inch,
// and warnings that go nowhere, so that a test or benchmark never stops at a message box.
#include <string>

#include "framework/system_paths.h"
#include "settings/ini_gt_host.h"

class TQuietSettingsHost final : public TIniGTHost {
public:
  explicit TQuietSettingsHost(std::wstring executable) : FExecutable(std::move(executable)) {}
  std::wstring ExecutablePath() const override { return FExecutable; }
  std::wstring WindowsDirectory() const override { return ::WindowsDirectory(); }
  std::int32_t ScreenPixelsPerInch() const override { return 96; }
  void ShowWarning(const std::wstring&) const override {}

private:
  std::wstring FExecutable;
};
