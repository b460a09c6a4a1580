#include "platform/midiout/PiMutex.h"

#include <ctime>

PiMutex::PiMutex()
{
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_setprotocol(&attributes, PTHREAD_PRIO_INHERIT);
    pthread_mutex_init(&mutex_, &attributes);
    pthread_mutexattr_destroy(&attributes);
}

PiMutex::~PiMutex()
{
    pthread_mutex_destroy(&mutex_);
}

// The steady clock is CLOCK_MONOTONIC, which the condition waits on.
PiCondition::PiCondition()
{
    pthread_condattr_t attributes;
    pthread_condattr_init(&attributes);
    pthread_condattr_setclock(&attributes, CLOCK_MONOTONIC);
    pthread_cond_init(&condition_, &attributes);
    pthread_condattr_destroy(&attributes);
}

PiCondition::~PiCondition()
{
    pthread_cond_destroy(&condition_);
}

void PiCondition::WaitUntil(pthread_mutex_t* mutex, std::chrono::steady_clock::time_point until)
{
    const auto since = until.time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
    timespec deadline{};
    deadline.tv_sec = static_cast<time_t>(seconds.count());
    deadline.tv_nsec = static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds).count());
    pthread_cond_timedwait(&condition_, mutex, &deadline);
}
