#include "platform/midiout/PiMutex.h"

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
