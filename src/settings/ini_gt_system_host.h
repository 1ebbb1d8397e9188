#pragma once
// TIniGT's host on Windows: the running executable, the Windows directory, the screen's
// resolution and the system's message box.
#include "settings/ini_gt_host.h"

const TIniGTHost& SystemIniGTHost();
