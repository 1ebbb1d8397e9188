#pragma once
// Runs the application's message handling for a while, as the program's own loop would.
#include <functional>

// Pumps messages until `done` is true or `timeoutMs` passed; returns whether `done` became true.
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs);
// Pumps messages for `durationMs`.
void PumpFor(unsigned durationMs);
// Waits up to `timeoutMs` for the notification area to take icons: a prefix's first window
// starts Wine's shell in the background, and an icon added before its tray window exists is
// refused. Returns whether the tray window is there.
bool WaitForTrayHost(unsigned timeoutMs = 10000);
// Waits up to `timeoutMs` for every cmd.exe and console host to end. A batch file a test ran
// lives on a moment after its marker appears, and its console then takes the foreground, which
// closes whatever menu the next test has open. Returns whether they ended.
bool WaitForConsoleProgramsToEnd(unsigned timeoutMs = 10000);
// Milliseconds since some fixed moment, from the system's tick counter.
unsigned long long NowMs();
