#pragma once
// The clipboard as tests use it: opened with retries (another program may hold it a moment),
// text put on it and read back.
#include <functional>
#include <string>

// Runs `use` with the clipboard open; a clipboard that stays closed fails the test.
void WithClipboard(const std::function<void()>& use);
// Puts `text` on the clipboard, replacing what was there.
void SetClipboardText(const std::wstring& text);
// The clipboard's text, empty when it holds none.
std::wstring ClipboardText();
