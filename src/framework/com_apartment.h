#pragma once
// A worker thread's own COM apartment, single-threaded as the shell's objects want it: entered
// for the object's life, and left only if it was entered.
#include <windows.h>
#include <objbase.h>

class TComApartment {
public:
  TComApartment() : FInitialized(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~TComApartment() {
    if (FInitialized) ::CoUninitialize();
  }
  TComApartment(const TComApartment&) = delete;
  TComApartment& operator=(const TComApartment&) = delete;

private:
  bool FInitialized;
};
