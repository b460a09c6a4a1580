#include "platform/qt/QtClock.h"

#include <QEventLoop>
#include <QTimer>

QtClock::QtClock()
{
    timer_.start();
}

std::int64_t QtClock::NowMs()
{
    return timer_.elapsed();
}

void QtClock::PauseFor(int ms)
{
    if (stopped_ || ms <= 0)
        return;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}
