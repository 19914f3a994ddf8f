// The monotonic clock in milliseconds that timers and waits measure with.
#include "platform/kovclock.h"

#include <chrono>

int64_t Kov_Clock_Ms()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
