#include "platform/qt/QtClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

constexpr qint64 kNanosecondsPerMs = 1000000;

}  // namespace

QtClock::QtClock()
{
    timer_.start();
}

std::int64_t QtClock::NowMs()
{
    return timer_.elapsed();
}

// The caller counts in whole milliseconds of NowMs, so the pause ends at
// the millisecond boundary it counts to, not ms after this moment, which
// would make every wait up to a millisecond late.
void QtClock::PauseFor(int ms)
{
    if (stopped_ || ms <= 0)
        return;
    const qint64 target = (timer_.elapsed() + ms) * kNanosecondsPerMs;
    qint64 remainingMs = (target - timer_.nsecsElapsed()) / kNanosecondsPerMs;
    if (remainingMs > 0) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(remainingMs));
        loop.exec();
    }
    // The last fraction of a millisecond, still handling events.
    while (!stopped_ && timer_.nsecsElapsed() < target)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}
