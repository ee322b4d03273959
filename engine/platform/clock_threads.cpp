// The millisecond clock, sleeping, detached and idle-priority threads and the recursive lock.
#include <SDL.h>
#include <pthread.h>
#include <sched.h>

#include <mutex>
#include <thread>

#include "engine/platform/platform.h"

namespace platform {

uint32_t Milliseconds() {
    return SDL_GetTicks();
}

void SleepMilliseconds(uint32_t ms) {
    SDL_Delay(ms);
}

void StartThread(void (*fn)()) {
    if (fn != nullptr) {
        std::thread(fn).detach();
    }
}

bool RunThisThreadWhenIdle() {
    sched_param param{};
    param.sched_priority = 0;
    return pthread_setschedparam(pthread_self(), SCHED_IDLE, &param) == 0;
}

Lock::Lock() : impl_(new std::recursive_mutex) {}

Lock::~Lock() {
    delete static_cast<std::recursive_mutex*>(impl_);
}

void Lock::Enter() {
    static_cast<std::recursive_mutex*>(impl_)->lock();
}

void Lock::Leave() {
    static_cast<std::recursive_mutex*>(impl_)->unlock();
}

}  // namespace platform
