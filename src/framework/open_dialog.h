#pragma once
// The system's dialog for choosing a file to open.
#include <windows.h>

#include <string>

#include "framework/component.h"

class TOpenDialog : public TComponent {
public:
  using TComponent::TComponent;

  // Added to a name typed without one.
  std::wstring DefaultExt;
  // Pairs of description and pattern, each part ended by "|": "Bitmaps (*.bmp)|*.bmp".
  std::wstring Filter;
  std::wstring InitialDir;
  std::wstring Title;
  bool FileMustExist = false;

  // The file the dialog opens on, and after a confirmed Execute the one chosen.
  const std::wstring& FileName() const { return FFileName; }
  void SetFileName(std::wstring fileName) { FFileName = std::move(fileName); }

  // Shows the dialog modally over `owner`; true when the user confirmed a choice.
  bool Execute(HWND owner);

private:
  std::wstring FFileName;
};
