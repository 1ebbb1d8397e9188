#include "settings/start_with_windows.h"

#include <windows.h>

#include <filesystem>
#include <optional>

#include "framework/registry_key.h"
#include "settings/run_command.h"

namespace {

const std::wstring RunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring ValueName = L"Tamarind";

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
  return program && SamePath(*program, FExecutable);
}

void TStartWithWindows::SetEnabled(bool enabled) {
  if (enabled) {
    TRegistryKey::OpenForWriting(HKEY_CURRENT_USER, RunKey).WriteString(ValueName, RunCommandFor(FExecutable));
    return;
  }
  const std::optional<std::wstring> program = StoredProgram();
  if (!program) return;
  std::error_code ignored;
  const bool stale = !std::filesystem::exists(std::filesystem::path(*program), ignored);
  if (SamePath(*program, FExecutable) || stale)
    TRegistryKey::OpenForWriting(HKEY_CURRENT_USER, RunKey).DeleteValue(ValueName);
}
