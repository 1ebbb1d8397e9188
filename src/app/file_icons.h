#pragma once
// Small icons of single files for the launcher menu, and what tells whether a file changed
// since its icon was taken. Every call here may block as long as the file system does: the
// launcher makes them on a worker thread.
#include <cstdint>
#include <optional>
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

// Where a file's icon comes from.
enum class TIconSource : std::uint8_t {
  isType,     // the shell's icon for the file's type, shared by every file of its extension
  isOwnIcon,  // the file's own first icon, else the shell's (programs, icon files)
  isShell,    // the shell's icon for this one file (shortcuts, types beyond the cache)
};

struct TIconRequest {
  std::uint64_t Generation = 0;  // of the menu that asks
  std::wstring Path;
  int Size = 0;
  TIconSource Source = TIconSource::isType;
  // For an image of the file's own: the stamp of the image kept for it, if any.
  std::optional<TFileStamp> KeptStamp;
};

struct TIconAnswer {
  TIconRequest Request;
  TFileStamp Stamp;        // for an image of the file's own
  bool Unchanged = false;  // the file still has its kept stamp: the kept image holds
  TIconHandle Icon;        // none when unchanged, or when the file has no icon
};

TIconAnswer LookUpIcon(TIconRequest request);
