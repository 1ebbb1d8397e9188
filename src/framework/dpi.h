#pragma once
// The DPI where something appears. Newer systems give one per monitor; where the call is
// missing (Windows 7, or a system that reports a single DPI) the system DPI stands in.
#include <windows.h>

#include "framework/geometry.h"

int SystemDpi();
// The DPI of the monitor nearest to `point` (screen coordinates).
int MonitorDpiAt(TPoint point);
// The work area of the monitor nearest to `point`.
TRect WorkAreaAt(TPoint point);
// The system's small-icon size at `dpi`.
int SmallIconSize(int dpi);
