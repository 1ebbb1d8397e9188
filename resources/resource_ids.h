#pragma once
// Identifiers of the executable's resources, shared by the .rc file and the code.
#define IDI_TAMARIND 1
