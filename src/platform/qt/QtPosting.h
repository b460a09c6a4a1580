#pragma once
// Calls from other threads run on the application's thread, as events of
// its event loop: the timing thread's reports arrive so.
#include <QObject>

#include <functional>

// Posts to `receiver`'s thread; calls still waiting when it goes are dropped.
std::function<void(std::function<void()>)> PostTo(QObject& receiver);
