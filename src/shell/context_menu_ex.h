#pragma once
// The shell's own context menu for one or more files, shown at a point of a window; the chosen
// command is carried out by the shell. Its Send To submenu is filled from the user's Send To
// folder, and a choice there copies the files and pastes them into that entry.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/component.h"

class TContextMenuEx : public TComponent {
public:
  explicit TContextMenuEx(TComponent* owner) : TComponent(owner) {}

  // The full paths whose menu is shown; all in the folder of the first one.
  const std::vector<std::wstring>& CMFileName() const { return FCMFileName; }
  // Copies the paths of `list`; a null list changes nothing.
  void SetCMFileName(const std::vector<std::wstring>* list);

  // Shows the menu of `fileName` alone at the client point (x, y) of `wnd`; with no window
  // nothing changes. True when a command was chosen and carried out.
  bool PopupFile(HWND wnd, const std::wstring& fileName, int x, int y);
  // Shows the menu of the paths in CMFileName (1 to 1024 of them). True when a command was
  // chosen and carried out; false when the menu was dismissed or anything failed.
  bool PopupFiles(HWND wnd, int x, int y);

private:
  std::vector<std::wstring> FCMFileName;
};
