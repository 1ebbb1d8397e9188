#include "settings/run_command.h"

#include <gtest/gtest.h>

TEST(RunCommand, TheProgramOfAStoredLineIsItsQuotedFirstWordOrTheWholeUnquotedLine) {
  EXPECT_EQ(RunCommandFor(L"C:\\Tools\\My Apps\\tamarind.exe"), L"\"C:\\Tools\\My Apps\\tamarind.exe\"");
  const struct {
    const wchar_t* Command;
    const wchar_t* Program;
  } cases[] = {
      {L"\"C:\\Tools\\My Apps\\tamarind.exe\"", L"C:\\Tools\\My Apps\\tamarind.exe"},
      {L"  \"C:\\a b\\t.exe\" /min", L"C:\\a b\\t.exe"},
      {L"\"C:\\unclosed\\t.exe", L"C:\\unclosed\\t.exe"},
      {L"C:\\Program Files\\t.exe  ", L"C:\\Program Files\\t.exe"},
      {L"", L""},
      {L"   ", L""},
      {L"\"\"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(ProgramOfRunCommand(c.Command), c.Program) << c.Command;
}
