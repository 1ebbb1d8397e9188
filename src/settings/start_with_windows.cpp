#include "settings/start_with_windows.h"

#include <windows.h>

#include <filesystem>
#include <optional>

#include "framework/registry_key.h"
#include "settings/run_command.h"

namespace {

const std::wstring RunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring ValueName = L"Tamarind";
// Task Manager's switch for each Run value.
const std::wstring ApprovedKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// "Disabled" in Task Manager: a record whose first byte has its low bit set. Without a record
// the value runs.
bool SwitchedOffInTaskManager() {
  const auto record = TRegistryKey::OpenForReading(HKEY_CURRENT_USER, ApprovedKey).ReadBinary(ValueName);
  return record && !record->empty() && ((*record)[0] & 1);
}

std::optional<std::wstring> StoredProgram() {
  const std::optional<std::wstring> command = TRegistryKey::OpenForReading(HKEY_CURRENT_USER, RunKey).ReadString(ValueName);
  if (!command) return std::nullopt;
  return ProgramOfRunCommand(*command);
}

// File names on Windows do not tell letter case apart.
bool SamePath(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

}  // namespace

bool TStartWithWindows::Enabled() const {
  const std::optional<std::wstring> program = StoredProgram();
  return program && SamePath(*program, FExecutable) && !SwitchedOffInTaskManager();
}

void TStartWithWindows::SetEnabled(bool enabled) {
  if (enabled) {
    TRegistryKey::OpenForWriting(HKEY_CURRENT_USER, RunKey).WriteString(ValueName, RunCommandFor(FExecutable));
    if (SwitchedOffInTaskManager()) TRegistryKey::OpenForWriting(HKEY_CURRENT_USER, ApprovedKey).DeleteValue(ValueName);
    return;
  }
  const std::optional<std::wstring> program = StoredProgram();
  if (!program) return;
  std::error_code ignored;
  const bool stale = !std::filesystem::exists(std::filesystem::path(*program), ignored);
  if (SamePath(*program, FExecutable) || stale)
    TRegistryKey::OpenForWriting(HKEY_CURRENT_USER, RunKey).DeleteValue(ValueName);
}
