#include "framework/menu_command_pool.h"

#include <vector>

#include "framework/exception.h"
#include "texts/texts.h"

namespace {

// Index = identifier; slot 0 is never used (0 means "no command").
std::vector<TMenuItem*>& Slots() {
  static std::vector<TMenuItem*> slots(1, nullptr);
  return slots;
}

size_t& LowestFreeHint() {
  static size_t hint = 1;
  return hint;
}

}  // namespace

namespace menu_commands {

std::uint16_t Allocate(TMenuItem& item) {
  auto& slots = Slots();
  size_t id = LowestFreeHint();
  while (id < slots.size() && slots[id]) ++id;
  if (id > 0xFFFF) throw Exception(Text(TText::TooManyMenuItems));
  if (id == slots.size()) slots.push_back(nullptr);
  slots[id] = &item;
  LowestFreeHint() = id + 1;
  return static_cast<std::uint16_t>(id);
}

void Release(std::uint16_t command) {
  auto& slots = Slots();
  if (command == 0 || command >= slots.size()) return;
  slots[command] = nullptr;
  if (command < LowestFreeHint()) LowestFreeHint() = command;
}

TMenuItem* Find(std::uint32_t command) {
  const auto& slots = Slots();
  return command < slots.size() ? slots[command] : nullptr;
}

}  // namespace menu_commands
