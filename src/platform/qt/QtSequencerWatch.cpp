#include "platform/qt/QtSequencerWatch.h"

#include <utility>

bool QtSequencerWatch::Start(std::function<void()> changed)
{
    changed_ = std::move(changed);
    if (!notifiers_.empty() || !watch_.Open())
        return !notifiers_.empty();
    for (int fd : watch_.PollDescriptors()) {
        auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this] { ReadPending(); });
        notifiers_.push_back(std::move(notifier));
    }
    return true;
}

void QtSequencerWatch::ReadPending()
{
    if (watch_.ReadPending() && changed_)
        changed_();
}
