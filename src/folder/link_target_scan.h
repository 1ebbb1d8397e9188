#pragma once
// Finding a folder or file path inside the raw bytes of a shortcut file, the way shortcuts of
// older shells store it: after 0x00 0x00 "WINDOWS", two bytes of any value and a 0x00.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The target path's bytes (the system's multi-byte encoding), or nothing when the data holds
// no such pattern. The path runs from just after the pattern up to the first "." or 0x00 or
// the end of the data; a "." is kept together with the (up to) three bytes after it, as they are.
std::optional<std::string> ScanLinkTarget(std::span<const std::uint8_t> data);
