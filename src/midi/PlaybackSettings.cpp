#include "midi/PlaybackSettings.h"

std::optional<std::uint64_t> PlaybackSettings::QueuedTick() const
{
    if (!queuePosition || !list || *queuePosition >= list->size())
        return std::nullopt;
    return (*list)[*queuePosition].time;
}
