#include "platform/qt/ReadNotifiers.h"

ReadNotifiers MakeReadNotifiers(const std::vector<int>& descriptors, const std::function<void()>& readable)
{
    ReadNotifiers notifiers;
    for (int fd : descriptors) {
        auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, readable);
        notifiers.push_back(std::move(notifier));
    }
    return notifiers;
}
