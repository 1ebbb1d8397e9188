#pragma once
// Where the launcher's menu folder lives: "Menu" in the executable's folder.
#include <string>
#include <string_view>

// The folder that holds `path`: the path without its last component and without a trailing
// separator, except that a drive root keeps its own (C:\).
std::wstring FolderOf(std::wstring_view path);

// FolderOf(executable) + "\Menu"; a drive root gives C:\\Menu, which the file system accepts.
std::wstring MenuFolderPath(std::wstring_view executablePath);

// The real folder behind a listed folder entry, whose last component is its bracketed display
// name: C:\x\Menu\<Tools> gives C:\x\Menu\Tools.
std::wstring FolderPathOf(std::wstring_view listedPath);

// The caption of a submenu that shows `folder`: its last component in angle brackets
// (C:\Tools\ gives <Tools>, a drive root C:\ gives <C:>).
std::wstring FolderCaptionOf(std::wstring_view folder);
