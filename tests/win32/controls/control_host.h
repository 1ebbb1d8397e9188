#pragma once
// A visible form for control tests, and the mouse and keyboard messages a user would cause.
#include <windows.h>

#include "framework/component.h"
#include "framework/form.h"

class TControlHost {
public:
  TControlHost(int width = 320, int height = 200);
  HWND Handle() const { return FForm->Handle(); }

private:
  TComponentPtr<TForm> FForm;
};

// Sends what the system sends for mouse input at (x, y) of `window`'s client area.
void MouseMessage(HWND window, UINT message, int x, int y, WPARAM flags = 0);
void LeftDown(HWND window, int x, int y);
void LeftUp(HWND window, int x, int y);
// A key press and release as the message loop would deliver them, character included.
void KeyDownUp(HWND window, UINT key);
void TypeChars(HWND window, const wchar_t* text);
