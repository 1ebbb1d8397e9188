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
// The same for the file's type, told by the extension of `path` alone: the disk is not read.
TIconHandle TypeSmallIcon(const std::wstring& path, int size);

// A cloud file whose content is not on this disk ("available online only"). Anything that
// reads it, the shell's picture of this one file included, makes the cloud client download it.
bool IsOnlineOnly(DWORD attributes);

// Size, last write time and whether the content is online only; zero for a file whose
// attributes cannot be read. A placeholder once downloaded keeps its size and time: only the
// last part tells that its own picture can be read now.
struct TFileStamp {
  std::uint64_t Size = 0;
  std::uint64_t WriteTime = 0;
  bool OnlineOnly = false;
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
// A file online only gets its type's icon whatever the source asked for.

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
