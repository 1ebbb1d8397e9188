#include "framework/registry_key.h"

#include "framework/exception.h"
#include "texts/texts.h"

namespace {

std::wstring Expanded(const std::wstring& text) {
  std::wstring expanded(::ExpandEnvironmentStringsW(text.c_str(), nullptr, 0), L'\0');
  const DWORD length = ::ExpandEnvironmentStringsW(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
  if (length == 0 || length > expanded.size()) return text;
  expanded.resize(length - 1);  // without the terminator
  return expanded;
}

}  // namespace

TRegistryKey TRegistryKey::OpenForReading(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) key = nullptr;
  return TRegistryKey(key, path);
}

TRegistryKey TRegistryKey::OpenForWriting(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    throw Exception(Text(TText::RegistryUnopenable, {path}));
  return TRegistryKey(key, path);
}

std::optional<std::wstring> TRegistryKey::ReadString(const std::wstring& name) const {
  if (!Exists()) return std::nullopt;
  // The size can change between the two calls; ask again until the value fits.
  for (;;) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (::RegQueryValueExW(FKey.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
      return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    const LSTATUS status = ::RegQueryValueExW(FKey.Get(), name.c_str(), nullptr, &type,
                                              reinterpret_cast<BYTE*>(value.data()), &got);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return std::nullopt;
    // A stored string need not end with its terminator.
    value.resize(got / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return type == REG_EXPAND_SZ ? Expanded(value) : value;
  }
}

std::optional<DWORD> TRegistryKey::ReadDword(const std::wstring& name) const {
  if (!Exists()) return std::nullopt;
  DWORD type = 0;
  DWORD value = 0;
  DWORD bytes = sizeof value;
  if (::RegQueryValueExW(FKey.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return value;
}

std::optional<std::vector<std::uint8_t>> TRegistryKey::ReadBinary(const std::wstring& name) const {
  if (!Exists()) return std::nullopt;
  DWORD type = 0;
  DWORD bytes = 0;
  if (::RegQueryValueExW(FKey.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
      type != REG_BINARY)
    return std::nullopt;
  std::vector<std::uint8_t> value(bytes);
  if (::RegQueryValueExW(FKey.Get(), name.c_str(), nullptr, &type, value.data(), &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  value.resize(bytes);
  return value;
}

std::vector<std::wstring> TRegistryKey::ValueNames(DWORD type) const {
  std::vector<std::wstring> names;
  if (!Exists()) return names;
  DWORD longest = 0;
  if (::RegQueryInfoKeyW(FKey.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
    return names;
  std::wstring name(longest + 1, L'\0');
  for (DWORD index = 0;;) {
    DWORD length = static_cast<DWORD>(name.size());
    DWORD found = 0;
    const LSTATUS status =
        ::RegEnumValueW(FKey.Get(), index, name.data(), &length, nullptr, &found, nullptr, nullptr);
    if (status == ERROR_MORE_DATA) {  // a longer name came since the key was measured
      name.resize(name.size() * 2);
      continue;
    }
    if (status != ERROR_SUCCESS) return names;  // ERROR_NO_MORE_ITEMS at the end
    if (found == type) names.emplace_back(name.data(), length);
    ++index;
  }
}

void TRegistryKey::WriteString(const std::wstring& name, const std::wstring& value) {
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  if (::RegSetValueExW(FKey.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) !=
      ERROR_SUCCESS)
    throw Exception(Text(TText::RegistryUnwritable, {FPath + L"\\" + name}));
}

void TRegistryKey::DeleteValue(const std::wstring& name) {
  const LSTATUS status = ::RegDeleteValueW(FKey.Get(), name.c_str());
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
    throw Exception(Text(TText::RegistryUndeletable, {FPath + L"\\" + name}));
}
