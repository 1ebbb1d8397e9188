#pragma once
// Process-wide WM_COMMAND identifiers: the lowest free one is handed out, so identifiers stay
// within the 16 bits the message carries for as long as fewer than 65535 items exist.
#include <cstdint>

class TMenuItem;

namespace menu_commands {

std::uint16_t Allocate(TMenuItem& item);
void Release(std::uint16_t command);
TMenuItem* Find(std::uint32_t command);

}  // namespace menu_commands
