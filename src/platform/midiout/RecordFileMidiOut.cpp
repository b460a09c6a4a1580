#include "platform/midiout/RecordFileMidiOut.h"

#include <cstdio>

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 20;

}  // namespace

bool RecordFileMidiOut::Open()
{
    if (!file_.is_open()) {
        buffer_.resize(kBufferSize);
        file_.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
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
