#pragma once
// Folders and files the system names for this process.
#include <string>

// The full path of the running executable.
std::wstring ExecutablePath();
// The Windows directory (C:\Windows).
std::wstring WindowsDirectory();
// The short (8.3) form of an existing file's path, as far as its volume keeps one: a name
// without a short form stays long. "" when the file cannot be found.
std::wstring ShortPathName(const std::wstring& path);
