#include "settings/run_command.h"

std::wstring RunCommandFor(std::wstring_view program) { return L"\"" + std::wstring(program) + L"\""; }

std::wstring ProgramOfRunCommand(std::wstring_view command) {
  constexpr std::wstring_view Blanks = L" \t";
  const size_t first = command.find_first_not_of(Blanks);
  if (first == std::wstring_view::npos) return {};
  command.remove_prefix(first);
  if (command.front() == L'"') {
    command.remove_prefix(1);
    return std::wstring(command.substr(0, command.find(L'"')));
  }
  return std::wstring(command.substr(0, command.find_last_not_of(Blanks) + 1));
}
