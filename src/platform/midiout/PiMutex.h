#pragma once
// A mutex with priority inheritance: a thread of ordinary priority holding
// it runs at the timing thread's priority while the timing thread waits for
// it, so a busy machine cannot hold the timing thread up behind it.
#include <pthread.h>

class PiMutex {
public:
    PiMutex();
    ~PiMutex();
    PiMutex(const PiMutex&) = delete;
    PiMutex& operator=(const PiMutex&) = delete;

    void lock() { pthread_mutex_lock(&mutex_); }
    bool try_lock() { return pthread_mutex_trylock(&mutex_) == 0; }
    void unlock() { pthread_mutex_unlock(&mutex_); }

private:
    pthread_mutex_t mutex_;
};
