#pragma once
// Small icons of single files for the launcher menu, and what tells whether a file changed
// since its icon was taken.
#include <cstdint>
#include <string>

#include "framework/win_handle.h"

// The file's first own icon (programs, icon files, control-panel items), or none.
TIconHandle ExtractFirstIcon(const std::wstring& path);
// The icon the shell shows for the file in lists of `size` pixels, or none: its small icon, or
// its large one where the small one would be enlarged.
TIconHandle ShellSmallIcon(const std::wstring& path, int size);

// Size and last write time; zero for a file whose attributes cannot be read.
struct TFileStamp {
  std::uint64_t Size = 0;
  std::uint64_t WriteTime = 0;
  bool operator==(const TFileStamp&) const = default;
};
TFileStamp FileStampOf(const std::wstring& path);

// The image made for a file that has no icon shared by extension.
struct TFileImage {
  TFileStamp Stamp;
  int ImageIndex;
};
