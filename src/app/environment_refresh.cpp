#include "app/environment_refresh.h"

#include <vector>

#include "framework/registry_key.h"

namespace {

constexpr wchar_t SystemVariables[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
constexpr wchar_t UserVariables[] = L"Environment";
constexpr DWORD VariableTypes[] = {REG_SZ, REG_EXPAND_SZ};  // plain first: the others may use them

int CompareNames(const wchar_t* left, const wchar_t* right) {
  return ::CompareStringOrdinal(left, -1, right, -1, TRUE);
}

// Lists of folders whose user part is added to the system's instead of replacing it.
bool IsFolderList(const std::wstring& name) {
  for (const wchar_t* list : {L"Path", L"LibPath", L"Os2LibPath"}) {
    if (CompareNames(name.c_str(), list) == CSTR_EQUAL) return true;
  }
  return false;
}

std::wstring ProcessVariable(const std::wstring& name) {
  const DWORD size = ::GetEnvironmentVariableW(name.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD length = ::GetEnvironmentVariableW(name.c_str(), value.data(), size);
  value.resize(length < size ? length : 0);
  return value;
}

std::wstring JoinedLists(std::wstring first, const std::wstring& second) {
  if (!first.empty() && !second.empty() && first.back() != L';') first += L';';
  return first + second;
}

// Stored beside the others, yet each process keeps its own: the system's USERNAME names the
// SYSTEM account (Windows gives every user theirs), and a 32-bit program on 64-bit Windows has
// x86 as its PROCESSOR_ARCHITECTURE.
bool IsPerProcess(const std::wstring& name) {
  for (const wchar_t* own : {L"USERNAME", L"PROCESSOR_ARCHITECTURE"}) {
    if (CompareNames(name.c_str(), own) == CSTR_EQUAL) return true;
  }
  return false;
}

// The variables of one type that `key` gives this process.
std::vector<std::wstring> VariablesOf(const TRegistryKey& key, DWORD type) {
  std::vector<std::wstring> names = key.ValueNames(type);
  std::erase_if(names, IsPerProcess);
  return names;
}

TVariableNames NamesIn(const TRegistryKey& key) {
  TVariableNames names;
  for (const DWORD type : VariableTypes) {
    for (std::wstring& name : VariablesOf(key, type)) names.insert(std::move(name));
  }
  return names;
}

// Sets `key`'s variables in this process; a folder list that `extended` names is added to the
// value it has now.
void SetVariablesOf(const TRegistryKey& key, const TVariableNames& extended) {
  for (const DWORD type : VariableTypes) {
    for (const std::wstring& name : VariablesOf(key, type)) {
      // Read after the variables before it are set, so that it expands with them.
      std::optional<std::wstring> value = key.ReadString(name);
      if (!value) continue;  // removed since it was listed
      if (IsFolderList(name) && extended.contains(name)) value = JoinedLists(ProcessVariable(name), *value);
      ::SetEnvironmentVariableW(name.c_str(), value->c_str());
    }
  }
}

TVariableNames RegistryNames(const TRegistryKey& system, const TRegistryKey& user) {
  TVariableNames names = NamesIn(system);
  names.merge(NamesIn(user));
  return names;
}

TRegistryKey OpenSystemVariables() { return TRegistryKey::OpenForReading(HKEY_LOCAL_MACHINE, SystemVariables); }
TRegistryKey OpenUserVariables() { return TRegistryKey::OpenForReading(HKEY_CURRENT_USER, UserVariables); }

}  // namespace

bool IsEnvironmentChange(LPARAM lParam) {
  const auto* area = reinterpret_cast<const wchar_t*>(lParam);
  return area && CompareNames(area, L"Environment") == CSTR_EQUAL;
}

bool TVariableNameLess::operator()(const std::wstring& left, const std::wstring& right) const {
  return CompareNames(left.c_str(), right.c_str()) == CSTR_LESS_THAN;
}

TEnvironmentRefresh::TEnvironmentRefresh()
    : FRegistryNames(RegistryNames(OpenSystemVariables(), OpenUserVariables())) {}

void TEnvironmentRefresh::Refresh() {
  const TRegistryKey system = OpenSystemVariables();
  const TRegistryKey user = OpenUserVariables();
  TVariableNames names = RegistryNames(system, user);
  // Removed first, so that no value read below expands with one of them.
  for (const std::wstring& name : FRegistryNames) {
    if (!names.contains(name)) ::SetEnvironmentVariableW(name.c_str(), nullptr);
  }
  SetVariablesOf(system, {});
  SetVariablesOf(user, NamesIn(system));
  FRegistryNames = std::move(names);
}
