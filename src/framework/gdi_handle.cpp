#include "framework/gdi_handle.h"

#include "framework/exception.h"

TScreenDC::TScreenDC() : FDC(::GetDC(nullptr)) {
  if (!FDC) throw Exception(L"画面のデバイスコンテキストを取得できません");
}

TScreenDC::~TScreenDC() { ::ReleaseDC(nullptr, FDC); }
