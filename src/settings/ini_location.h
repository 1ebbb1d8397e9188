#pragma once
// Where TIniGT's file lies: its default name and the full path worked out from the name.
#include <string>
#include <string_view>

// Where a file name without a folder part is placed: the executable's folder, the Windows
// directory, or nowhere (the name is used as it is).
enum class TIniGTDefaultDir { ddApplication, ddWindows, ddNone };

// A drive or a folder before the name.
bool HasFolderPart(std::wstring_view name);

// The executable's name with the extension ".ini", lower case but for a capital first letter:
// MyTool.EXE, MYTOOL.exe and mytool.exe all give Mytool.ini.
std::wstring DefaultIniName(std::wstring_view executablePath);

// A name with a folder part is the full path whatever `defaultDir` says; an empty name gives
// an empty path.
std::wstring IniFullPath(std::wstring_view fileName, TIniGTDefaultDir defaultDir, std::wstring_view executablePath,
                         std::wstring_view windowsDirectory);
