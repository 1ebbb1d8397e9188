#pragma once
// An open registry key of its own, closed once, with the few typed reads and writes the program
// needs. A key or value that is not there reads as nothing, never as an error.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/win_handle.h"

struct TRegistryKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::RegCloseKey(h); }
};

class TRegistryKey {
public:
  // The key for reading; empty when it does not exist.
  static TRegistryKey OpenForReading(HKEY root, const std::wstring& path);
  // The key for reading and writing, created when missing; raises an error when it cannot be.
  static TRegistryKey OpenForWriting(HKEY root, const std::wstring& path);

  bool Exists() const { return FKey.Valid(); }
  // A REG_EXPAND_SZ value comes with its %variables% expanded, as Windows uses it.
  std::optional<std::wstring> ReadString(const std::wstring& name) const;
  std::optional<DWORD> ReadDword(const std::wstring& name) const;
  std::optional<std::vector<std::uint8_t>> ReadBinary(const std::wstring& name) const;
  // The names of the key's values of one type (REG_SZ, REG_EXPAND_SZ ...), in stored order.
  std::vector<std::wstring> ValueNames(DWORD type) const;
  void WriteString(const std::wstring& name, const std::wstring& value);
  // Removing a value that is not there is no error.
  void DeleteValue(const std::wstring& name);

private:
  TRegistryKey(HKEY key, std::wstring path) : FKey(key), FPath(std::move(path)) {}

  TUniqueHandle<TRegistryKeyTraits> FKey;
  std::wstring FPath;  // for messages
};
