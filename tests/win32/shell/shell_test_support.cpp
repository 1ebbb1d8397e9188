#include "shell/shell_test_support.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

#include "framework/com_ptr.h"

namespace {

bool OleStarted = false;

// Runs `use` with the clipboard open.
template <typename F>
void WithClipboard(F use) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (::OpenClipboard(nullptr)) {
      use();
      ::CloseClipboard();
      return;
    }
    ::Sleep(20);
  }
  ADD_FAILURE() << "the clipboard could not be opened";
}

}  // namespace

void ShellTest::SetUpTestSuite() { OleStarted = SUCCEEDED(::OleInitialize(nullptr)); }

void ShellTest::TearDownTestSuite() {
  ::OleSetClipboard(nullptr);  // leaves no test files on the clipboard
  if (OleStarted) ::OleUninitialize();
}

ShellTest::ShellTest()
    : window(::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"shell test", WS_POPUP, 40, 40, 80, 40,
                               nullptr, nullptr, nullptr, nullptr)) {}

void SetClipboardText(const std::wstring& text) {
  WithClipboard([&] {
    ::EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
  });
}

std::wstring ClipboardText() {
  std::wstring text;
  WithClipboard([&] {
    if (HANDLE memory = ::GetClipboardData(CF_UNICODETEXT)) {
      text = static_cast<const wchar_t*>(::GlobalLock(memory));
      ::GlobalUnlock(memory);
    }
  });
  return text;
}

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
