#pragma once
// A thread's own COM apartment, single-threaded as the shell's objects want it: entered for the
// object's life, and left only if it was entered. The user-interface thread enters it through
// OLE, which the clipboard and drag and drop of the shell's menus need too.
#include <windows.h>
#include <objbase.h>
#include <ole2.h>

enum class TApartmentUse { auWorker, auUserInterface };

class TComApartment {
public:
  explicit TComApartment(TApartmentUse use = TApartmentUse::auWorker)
      : FUse(use),
        FInitialized(SUCCEEDED(use == TApartmentUse::auUserInterface
                                   ? ::OleInitialize(nullptr)
                                   : ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~TComApartment() {
    if (!FInitialized) return;
    if (FUse == TApartmentUse::auUserInterface)
      ::OleUninitialize();
    else
      ::CoUninitialize();
  }
  TComApartment(const TComApartment&) = delete;
  TComApartment& operator=(const TComApartment&) = delete;

private:
  TApartmentUse FUse;
  bool FInitialized;
};
