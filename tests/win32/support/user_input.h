#pragma once
// Input as a user makes it, through the system's input queue.
#include <windows.h>

#include <initializer_list>

// Presses and releases a key.
void PressKey(WORD key);
// Presses the keys in order and keeps them down, as a hand holds a combination.
void HoldKeys(std::initializer_list<WORD> keys);
// Lets the keys go, the last pressed first.
void ReleaseKeys(std::initializer_list<WORD> keys);
// Shift held down as far as this thread's keyboard state tells, until the guard goes: a test
// that fails half-way must not leave it down for the tests after it.
class THeldShift {
public:
  THeldShift();
  ~THeldShift();
  THeldShift(const THeldShift&) = delete;
  THeldShift& operator=(const THeldShift&) = delete;
};
// Moves the pointer by (dx, dy) as a mouse does.
void MovePointerBy(int dx, int dy);
