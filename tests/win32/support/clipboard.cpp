#include "support/clipboard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

void WithClipboard(const std::function<void()>& use) {
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
