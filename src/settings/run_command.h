#pragma once
// The command line Windows runs at sign-in for a program: its path in double quotes, so that
// a path with blanks is one word.
#include <string>
#include <string_view>

std::wstring RunCommandFor(std::wstring_view program);

// The program a stored command line starts: the quoted first word, or, unquoted, the whole
// line without surrounding blanks (an unquoted path may itself hold blanks).
std::wstring ProgramOfRunCommand(std::wstring_view command);
