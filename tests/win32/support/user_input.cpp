#include "support/user_input.h"

#include <iterator>
#include <vector>

namespace {

void SendKeyEvents(const std::vector<WORD>& keys, DWORD flags) {
  std::vector<INPUT> inputs(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i];
    inputs[i].ki.dwFlags = flags;
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SetShiftState(BYTE state) {
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_SHIFT] = keys[VK_LSHIFT] = state;
  ::SetKeyboardState(keys);
}

}  // namespace

THeldShift::THeldShift() { SetShiftState(0x80); }

THeldShift::~THeldShift() { SetShiftState(0); }

void PressKey(WORD key) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = key;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

void HoldKeys(std::initializer_list<WORD> keys) { SendKeyEvents(std::vector<WORD>(keys), 0); }

void ReleaseKeys(std::initializer_list<WORD> keys) {
  SendKeyEvents(std::vector<WORD>(std::rbegin(keys), std::rend(keys)), KEYEVENTF_KEYUP);
}

void MovePointerBy(int dx, int dy) {
  // Under Wine and Xvfb an injected move is undone by the display's own pointer, so the pointer
  // is put there first and the move then reported to the hooks as mouse input.
  POINT at{};
  ::GetCursorPos(&at);
  ::SetCursorPos(at.x + dx, at.y + dy);
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>(((at.x + dx) * 65536LL + width / 2) / width);
  input.mi.dy = static_cast<LONG>(((at.y + dy) * 65536LL + height / 2) / height);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &input, sizeof(input));
}
