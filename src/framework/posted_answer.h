#pragma once
// Answers a worker thread hands to a window: posted as a message whose lParam is the answer,
// which the window's handler takes over. An answer that cannot be posted, because the window is
// gone, is freed.
#include <windows.h>

#include <memory>

template <typename T>
void PostAnswer(HWND window, UINT message, std::unique_ptr<T> answer) {
  if (::PostMessageW(window, message, 0, reinterpret_cast<LPARAM>(answer.get()))) answer.release();
}

template <typename T>
std::unique_ptr<T> ReceivedAnswer(LPARAM lParam) {
  return std::unique_ptr<T>(reinterpret_cast<T*>(lParam));
}
