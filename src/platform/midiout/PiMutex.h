#pragma once
// A mutex with priority inheritance, and a condition to wait on with it: a
// thread of ordinary priority holding the mutex runs at the timing thread's
// priority while the timing thread waits for it, and waiting and waking
// take no other lock, so a busy machine cannot hold the timing thread up
// behind an ordinary thread.
#include <pthread.h>

#include <chrono>

class PiMutex {
public:
    PiMutex();
    ~PiMutex();
    PiMutex(const PiMutex&) = delete;
    PiMutex& operator=(const PiMutex&) = delete;

    void lock() { pthread_mutex_lock(&mutex_); }
    bool try_lock() { return pthread_mutex_trylock(&mutex_) == 0; }
    void unlock() { pthread_mutex_unlock(&mutex_); }
    pthread_mutex_t* native_handle() { return &mutex_; }

private:
    pthread_mutex_t mutex_;
};

// Waits with a locked PiMutex, on the steady clock.
class PiCondition {
public:
    PiCondition();
    ~PiCondition();
    PiCondition(const PiCondition&) = delete;
    PiCondition& operator=(const PiCondition&) = delete;

    template <class Lock>
    void Wait(Lock& lock)
    {
        pthread_cond_wait(&condition_, lock.mutex()->native_handle());
    }
    template <class Lock>
    void WaitUntil(Lock& lock, std::chrono::steady_clock::time_point until)
    {
        WaitUntil(lock.mutex()->native_handle(), until);
    }
    void NotifyOne() { pthread_cond_signal(&condition_); }
    void NotifyAll() { pthread_cond_broadcast(&condition_); }

private:
    void WaitUntil(pthread_mutex_t* mutex, std::chrono::steady_clock::time_point until);

    pthread_cond_t condition_;
};
