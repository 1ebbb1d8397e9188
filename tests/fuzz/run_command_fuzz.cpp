// Run commands as the registry may hold them: any text gives a program without failing, and the
// command made for a program names that program again.
#include "fuzz_support.h"
#include "settings/run_command.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::wstring command = ConsumeWide(data, 300);
  (void)ProgramOfRunCommand(command);
  // A Windows path holds no double quote.
  if (command.find(L'"') == std::wstring::npos) FUZZ_CHECK(ProgramOfRunCommand(RunCommandFor(command)) == command);
  return 0;
}
