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

// A copy of the receiver: a note may lead to Stop while it is handled.
void QtMidiIn::ReadPending()
{
    Receiver receiver = receiver_;
    if (receiver)
        sequencer_.ReadPending(receiver);
}
