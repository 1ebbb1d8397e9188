#include "framework/caption_control.h"

void TCaptionControl::SetCaption(const std::wstring& caption) {
  FCaption = caption;
  if (HandleAllocated()) ::SetWindowTextW(Handle(), FCaption.c_str());
}
