#include "midi/MidiRecordCount.h"

#include <algorithm>

namespace {

// Walks events the way the track reader does, without reading them.
class RecordCounter {
public:
    explicit RecordCounter(std::span<const std::uint8_t> body) : body_(body) {}

    std::size_t Run()
    {
        std::size_t records = 0;
        while (position_ < body_.size() && SkipQuantity()) {
            if (position_ == body_.size())
                break;
            const std::uint8_t c = body_[position_++];
            if (c & 0x80)
                runningStatus_ = c;
            bool ended = false;
            if (const int data = ChannelDataBytes(runningStatus_); data > 0)
                ended = !Skip(c & 0x80 ? data : data - 1);
            else if (c == 0xFF)
                ended = !Skip(1) || !SkipPayload();
            else if (c == 0xF0 || c == 0xF7)
                ended = !SkipPayload();
            else
                continue;
            if (ended)
                break;
            records += c != 0xF7;
        }
        return records;
    }

private:
    bool Skip(std::uint64_t count)
    {
        if (count > body_.size() - position_)
            return false;
        position_ += static_cast<std::size_t>(count);
        return true;
    }

    bool ReadQuantity(std::uint64_t& value)
    {
        value = 0;
        std::uint8_t byte = 0;
        do {
            if (position_ == body_.size())
                return false;
            byte = body_[position_++];
            value = std::min(value * 128 + (byte & 0x7F), kMaxQuantity);
        } while (byte & 0x80);
        return true;
    }

    bool SkipQuantity()
    {
        std::uint64_t ignored = 0;
        return ReadQuantity(ignored);
    }

    bool SkipPayload()
    {
        std::uint64_t length = 0;
        return ReadQuantity(length) && Skip(length);
    }

    std::span<const std::uint8_t> body_;
    std::size_t position_ = 0;
    std::uint8_t runningStatus_ = 0;
};

}  // namespace

std::size_t CountTrackRecords(std::span<const std::uint8_t> body)
{
    return RecordCounter(body).Run();
}
