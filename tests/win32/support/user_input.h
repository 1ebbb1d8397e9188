#pragma once
// Input as a user makes it, through the system's input queue.
#include <windows.h>

// Presses and releases a key.
void PressKey(WORD key);
// Moves the pointer by (dx, dy) as a mouse does.
void MovePointerBy(int dx, int dy);
