#include "platform/headless/ScriptedMidiIn.h"

#include <utility>

bool ScriptedMidiIn::Start(Receiver receiver)
{
    receiver_ = std::move(receiver);
    return Started();
}

bool ScriptedMidiIn::Inject(std::uint32_t shortMessage)
{
    if (!receiver_)
        return false;
    // A copy: the receiver may stop the input while it runs.
    Receiver receiver = receiver_;
    receiver(shortMessage);
    return true;
}
