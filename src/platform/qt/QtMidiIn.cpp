#include "platform/qt/QtMidiIn.h"

#include <utility>

bool QtMidiIn::Start(Receiver receiver)
{
    if (!sequencer_.Open())
        return false;
    receiver_ = std::move(receiver);
    notifiers_ = MakeReadNotifiers(sequencer_.PollDescriptors(), [this] { ReadPending(); });
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
