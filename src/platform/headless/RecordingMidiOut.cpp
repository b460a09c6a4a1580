#include "platform/headless/RecordingMidiOut.h"

bool RecordingMidiOut::Open()
{
    if (!available_)
        return false;
    open_ = true;
    ++opens_;
    return true;
}

void RecordingMidiOut::Send(std::uint32_t shortMessage)
{
    if (!open_) {
        ++dropped_;
        return;
    }
    messages_.push_back({clock_.NowMs(), shortMessage});
}
