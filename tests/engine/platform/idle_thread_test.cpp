// A thread asked to run when idle is scheduled so by the system, and only that thread.
#include <gtest/gtest.h>
#include <pthread.h>
#include <sched.h>

#include <thread>

#include "engine/platform/platform.h"

namespace {

int Policy(pthread_t thread) {
    int policy = -1;
    sched_param param{};
    pthread_getschedparam(thread, &policy, &param);
    return policy;
}

TEST(IdleThreadTest, OnlyTheCallingThreadRunsWhenIdle) {
    const int before = Policy(pthread_self());
    int worker_policy = -1;
    bool lowered = false;
    std::thread worker([&] {
        lowered = platform::RunThisThreadWhenIdle();
        worker_policy = Policy(pthread_self());
    });
    worker.join();
    ASSERT_TRUE(lowered);
    EXPECT_EQ(worker_policy, SCHED_IDLE);
    EXPECT_EQ(Policy(pthread_self()), before);
}

}  // namespace
