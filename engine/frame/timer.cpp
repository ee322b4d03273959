// WTIMER: deltas from the unsigned 32-bit difference of millisecond ticks, so a wrapping counter
// still gives the right small step.
#include "engine/frame/timer.h"

#include "engine/platform/platform.h"

WTIMER::WTIMER(float cap_seconds, Clock clock)
    : cap(cap_seconds), clock_(clock ? clock : &platform::Milliseconds) {
    start = now = last = clock_();
}

int WTIMER::Tick() {
    now = clock_();
    delta = static_cast<float>((now - last) / 1000.0);
    last = now;
    if (cap != 0.0f && delta > cap) {
        ratio = cap / delta;
        delta = cap;
    }
    if (delta < 0.0f) {
        delta = 0.0f;
    }
    return 0;
}
