#include "platform/midiout/RecordFileMidiOut.h"

#include <cstdio>

bool RecordFileMidiOut::Open()
{
    if (!file_.is_open()) {
        file_.open(path_, std::ios::out | std::ios::trunc);
        if (!file_)
            return false;
        firstOpenMs_ = clock_.NowMs();
    }
    open_ = true;
    return true;
}

void RecordFileMidiOut::Send(std::uint32_t shortMessage)
{
    if (!open_)
        return;
    char line[48];
    std::snprintf(line, sizeof line, "%lld %08X\n", static_cast<long long>(clock_.NowMs() - *firstOpenMs_),
                  shortMessage);
    file_ << line;
}

void RecordFileMidiOut::Close()
{
    if (open_)
        file_.flush();
    open_ = false;
}
