#pragma once
// Folders and files the system names for this process.
#include <string>

// The full path of the running executable.
std::wstring ExecutablePath();
// The Windows directory (C:\Windows).
std::wstring WindowsDirectory();
