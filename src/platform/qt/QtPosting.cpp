#include "platform/qt/QtPosting.h"

#include <QMetaObject>

std::function<void(std::function<void()>)> PostTo(QObject& receiver)
{
    return [&receiver](std::function<void()> call) {
        QMetaObject::invokeMethod(&receiver, std::move(call), Qt::QueuedConnection);
    };
}
