#include "shell/shell_test_support.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "framework/com_ptr.h"

namespace {

bool OleStarted = false;

}  // namespace

void ShellTest::SetUpTestSuite() { OleStarted = SUCCEEDED(::OleInitialize(nullptr)); }

void ShellTest::TearDownTestSuite() {
  ::OleSetClipboard(nullptr);  // leaves no test files on the clipboard
  if (OleStarted) ::OleUninitialize();
}

ShellTest::ShellTest()
    : window(::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"shell test", WS_POPUP, 40, 40, 80, 40,
                               nullptr, nullptr, nullptr, nullptr)) {}

std::vector<std::wstring> ClipboardFiles() {
  std::vector<std::wstring> files;
  WithClipboard([&] {
    const auto drop = static_cast<HDROP>(::GetClipboardData(CF_HDROP));
    if (!drop) return;
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      wchar_t path[MAX_PATH] = {};
      ::DragQueryFileW(drop, i, path, MAX_PATH);
      files.emplace_back(path);
    }
  });
  return files;
}

void MakeShortcut(const std::wstring& linkPath, const std::wstring& target) {
  TComPtr<IShellLinkW> link;
  ASSERT_TRUE(SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           link.PutVoid())));
  link->SetPath(target.c_str());
  TComPtr<IPersistFile> file;
  ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.PutVoid())));
  ASSERT_TRUE(SUCCEEDED(file->Save(linkPath.c_str(), TRUE)));
}
