#include "framework/control_subclass.h"

#include <commctrl.h>

#include <unordered_map>

#include "framework/application.h"
#include "framework/exception.h"
#include "framework/win_control.h"
#include "texts/texts.h"

namespace {

constexpr UINT_PTR ControlSubclassId = 1;
constexpr UINT_PTR ParentSubclassId = 2;

// The controls by window. The user-interface thread alone touches windows, so no lock.
std::unordered_map<HWND, TWinControl*>& Controls() {
  static std::unordered_map<HWND, TWinControl*> controls;
  return controls;
}

// The control a child window notifies its parent about, if it is one of ours.
HWND NotifyingChild(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      return reinterpret_cast<HWND>(lParam);
    default:
      return nullptr;
  }
}

}  // namespace

LRESULT CALLBACK TControlSubclass::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR refData) {
  auto* control = reinterpret_cast<TWinControl*>(refData);
  if (message == WM_NCDESTROY) {
    Detach(window);
    control->WindowDestroyed();
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
  if (control->FDestroying) return ::DefSubclassProc(window, message, wParam, lParam);
  try {
    return control->WndProc(message, wParam, lParam);
  } catch (...) {
    Application().HandleException();
    return 0;
  }
}

LRESULT CALLBACK TControlSubclass::ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    ::RemoveWindowSubclass(window, &ParentProc, ParentSubclassId);
  } else if (TWinControl* control = FromHandle(NotifyingChild(message, lParam))) {
    try {
      LRESULT result = 0;
      if (control->ReflectedMessage(message, wParam, lParam, result)) return result;
    } catch (...) {
      Application().HandleException();
      return 0;
    }
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

TWinControl* TControlSubclass::FromHandle(HWND window) {
  const auto found = Controls().find(window);
  return found == Controls().end() ? nullptr : found->second;
}

void TControlSubclass::Attach(TWinControl& control, HWND window) {
  if (!::SetWindowSubclass(window, &ControlProc, ControlSubclassId, reinterpret_cast<DWORD_PTR>(&control))) {
    ::DestroyWindow(window);
    throw Exception(Text(TText::NoControlClass));
  }
  Controls()[window] = &control;
  // Repeating this for the next child of the same parent changes nothing.
  ::SetWindowSubclass(::GetParent(window), &ParentProc, ParentSubclassId, 0);
}

void TControlSubclass::Detach(HWND window) {
  ::RemoveWindowSubclass(window, &ControlProc, ControlSubclassId);
  Controls().erase(window);
}
