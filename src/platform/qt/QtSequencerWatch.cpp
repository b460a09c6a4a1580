#include "platform/qt/QtSequencerWatch.h"

#include <utility>

bool QtSequencerWatch::Start(std::function<void()> changed)
{
    changed_ = std::move(changed);
    if (!notifiers_.empty() || !watch_.Open())
        return !notifiers_.empty();
    notifiers_ = MakeReadNotifiers(watch_.PollDescriptors(), [this] { ReadPending(); });
    return true;
}

void QtSequencerWatch::ReadPending()
{
    if (watch_.ReadPending() && changed_)
        changed_();
}
