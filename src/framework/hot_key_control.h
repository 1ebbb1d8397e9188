#pragma once
// The system's hotkey control (msctls_hotkey32): the user presses a key combination and the
// control shows and keeps it. It knows Ctrl, Shift and Alt but not the Windows key.
#include <windows.h>

#include "framework/win_control.h"

class THotKeyControl : public TWinControl {
public:
  explicit THotKeyControl(TComponent* owner);

  // The virtual-key code in the low byte and the HOTKEYF_ flags in the high byte, 0 for none.
  WORD HotKey() const;
  void SetHotKey(WORD value);

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;

private:
  WORD FHotKey = 0;  // held here while there is no window
};
