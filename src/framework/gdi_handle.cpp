#include "framework/gdi_handle.h"

#include "framework/exception.h"
#include "texts/texts.h"

TScreenDC::TScreenDC() : FDC(::GetDC(nullptr)) {
  if (!FDC) throw Exception(Text(TText::NoScreenContext));
}

TScreenDC::~TScreenDC() { ::ReleaseDC(nullptr, FDC); }
