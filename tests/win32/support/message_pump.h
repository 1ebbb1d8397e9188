#pragma once
// Runs the application's message handling for a while, as the program's own loop would.
#include <functional>

// Pumps messages until `done` is true or `timeoutMs` passed; returns whether `done` became true.
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs);
// Pumps messages for `durationMs`.
void PumpFor(unsigned durationMs);
// Milliseconds since some fixed moment, from the system's tick counter.
unsigned long long NowMs();
