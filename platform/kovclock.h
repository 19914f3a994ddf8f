#pragma once
// Timers and waits measure with a monotonic clock in milliseconds (processor
// time, as clock() gives on Linux, would stop while the program waits).
#include <cstdint>

int64_t Kov_Clock_Ms();
