#pragma once
// Where the launcher's menu folder lives: "Menu" in the executable's folder.
#include <string>
#include <string_view>

// The executable's folder: its path without the last component and without a trailing
// separator, except that a drive root keeps its own (C:\).
std::wstring ExecutableFolder(std::wstring_view executablePath);

// ExecutableFolder + "\Menu"; a drive root gives C:\\Menu, which the file system accepts.
std::wstring MenuFolderPath(std::wstring_view executablePath);
