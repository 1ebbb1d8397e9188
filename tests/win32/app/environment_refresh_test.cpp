// After the user changes the environment variables, programs started from the launcher get the
// new ones: the launcher rewrites its own from the registry.
#include "app/environment_refresh.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "framework/registry_key.h"

namespace {

std::optional<std::wstring> Variable(const std::wstring& name) {
  wchar_t value[1024];
  const DWORD length = ::GetEnvironmentVariableW(name.c_str(), value, 1024);
  if (length == 0 || length >= 1024) return std::nullopt;
  return std::wstring(value, length);
}

std::wstring UniqueName(const wchar_t* stem) { return stem + std::to_wstring(::GetCurrentProcessId()); }

// Variables of the user's written for one test, removed again however it ends.
class TUserVariables {
public:
  ~TUserVariables() {
    for (const std::wstring& name : FNames) ::RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Environment", name.c_str());
  }
  void Set(const std::wstring& name, const std::wstring& value, DWORD type = REG_SZ) {
    FNames.push_back(name);
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, L"Environment", name.c_str(), type, value.c_str(), bytes),
              ERROR_SUCCESS);
  }

private:
  std::vector<std::wstring> FNames;
};

}  // namespace

TEST(EnvironmentRefresh, TakesTheUsersVariablesAndDropsTheRemovedOnes) {
  const std::wstring base = UniqueName(L"TAMARIND_TEST_BASE_");
  const std::wstring tools = UniqueName(L"TAMARIND_TEST_TOOLS_");
  const std::wstring own = UniqueName(L"TAMARIND_TEST_OWN_");
  ::SetEnvironmentVariableW(own.c_str(), L"kept");  // inherited, never in the registry
  TEnvironmentRefresh refresh;
  {
    TUserVariables user;
    user.Set(tools, L"%" + base + L"%\\tools", REG_EXPAND_SZ);  // uses one stored after it
    user.Set(base, L"C:\\base");
    refresh.Refresh();
    EXPECT_EQ(Variable(tools), L"C:\\base\\tools");
  }
  refresh.Refresh();
  EXPECT_EQ(Variable(base), std::nullopt);
  EXPECT_EQ(Variable(tools), std::nullopt);
  EXPECT_EQ(Variable(own), L"kept");
  ::SetEnvironmentVariableW(own.c_str(), nullptr);
}

TEST(EnvironmentRefresh, TheUsersPathFollowsTheSystems) {
  if (TRegistryKey::OpenForReading(HKEY_CURRENT_USER, L"Environment").ReadString(L"Path"))
    GTEST_SKIP() << "this user has a Path of their own, which the test would lose";
  const std::optional<std::wstring> systemPath =
      TRegistryKey::OpenForReading(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment")
          .ReadString(L"Path");
  ASSERT_TRUE(systemPath);
  TEnvironmentRefresh refresh;
  {
    TUserVariables user;
    user.Set(L"PATH", L"C:\\tamarind tools");
    refresh.Refresh();
    EXPECT_EQ(Variable(L"Path"), *systemPath + L";C:\\tamarind tools");
  }
  refresh.Refresh();
  EXPECT_EQ(Variable(L"Path"), systemPath);
}
