#include "platform/qt/QtMidiIn.h"

#include <utility>

bool QtMidiIn::Start(Receiver receiver)
{
    if (!sequencer_.Open())
        return false;
    receiver_ = std::move(receiver);
    for (int fd : sequencer_.PollDescriptors()) {
        auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this] { ReadPending(); });
        notifiers_.push_back(std::move(notifier));
    }
    return true;
}

void QtMidiIn::Stop()
{
    notifiers_.clear();
    sequencer_.Close();
    receiver_ = nullptr;
}

void QtMidiIn::ReadPending()
{
    if (receiver_)
        sequencer_.ReadPending(receiver_);
}
