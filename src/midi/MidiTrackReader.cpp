#include "midi/MidiTrackReader.h"

#include <algorithm>

#include "midi/MidiEventAppender.h"
#include "midi/MidiRecordCount.h"

namespace {

// End of Track records always count 10 ticks, whatever delta the file gives.
constexpr std::uint64_t kEndOfTrackDelta = 10;

// The first `count` payload bytes, zero where the payload is shorter.
MidiBytes FirstBytes(const std::vector<std::uint8_t>& payload, std::size_t count)
{
    std::uint8_t bytes[8] = {};
    std::copy_n(payload.begin(), std::min(count, payload.size()), bytes);
    return MidiBytes(std::span(bytes, count));
}

class TrackReader {
public:
    TrackReader(std::span<const std::uint8_t> body, MidiEventList& events) : body_(body), appender_(events)
    {
    }

    void Run()
    {
        while (position_ < body_.size() && ReadEvent()) {
        }
    }

    // Where an overrunning payload would have ended; 0 when none did.
    std::uint64_t OverrunEnd() const { return overrunEnd_; }

private:
    bool Next(std::uint8_t& byte)
    {
        if (position_ >= body_.size())
            return false;
        byte = body_[position_++];
        return true;
    }

    bool ReadQuantity(std::uint64_t& value)
    {
        value = 0;
        std::uint8_t byte = 0;
        do {
            if (!Next(byte))
                return false;
            value = std::min(value * 128 + (byte & 0x7F), kMaxQuantity);
        } while (byte & 0x80);
        return true;
    }

    // Reads `length` payload bytes into message_; a payload running past the
    // body uses up the rest of it, is noted, and fails.
    bool ReadPayload(std::uint64_t length)
    {
        const std::size_t left = body_.size() - position_;
        if (length > left) {
            overrunEnd_ = position_ + length;
            position_ = body_.size();
            return false;
        }
        const auto start = body_.begin() + static_cast<std::ptrdiff_t>(position_);
        message_.assign(start, start + static_cast<std::ptrdiff_t>(length));
        position_ += static_cast<std::size_t>(length);
        return true;
    }

    // One delta and one event; false when the body ends inside it.
    bool ReadEvent()
    {
        if (!ReadQuantity(currentDelta_))
            return false;
        std::uint8_t c = 0;
        if (!Next(c))
            return false;
        const bool pending = (c & 0x80) == 0;
        if (!pending)
            runningStatus_ = c;
        if (ChannelDataBytes(runningStatus_) > 0)
            return ReadChannelMessage(c, pending);
        switch (c) {
        case 0xFF: return ReadMeta();
        case 0xF0: return ReadSysex();
        case 0xF7: return SkipEscape();
        default: Drop(); return true;
        }
    }

    bool ReadChannelMessage(std::uint8_t c, bool pending)
    {
        const int count = ChannelDataBytes(runningStatus_);
        std::uint8_t first = c;
        std::uint8_t second = 0;
        if (!pending && !Next(first))
            return false;
        if (count == 2 && !Next(second))
            return false;
        if ((first | second) & 0x80) {
            Drop();
            return true;
        }
        const int kind = runningStatus_ & 0xF0;
        const int channel = runningStatus_ & 0x0F;
        appender_.Append(kind, channel, count == 2 ? MidiBytes{first, second} : MidiBytes{first}, TakeDelta());
        return true;
    }

    bool ReadMeta()
    {
        std::uint8_t type = 0;
        std::uint64_t length = 0;
        if (!Next(type) || !ReadQuantity(length) || !ReadPayload(length))
            return false;
        if (type & 0x80) {
            Drop();
            return true;
        }
        std::uint64_t delta = TakeDelta();
        if (type == MidiKind::EndOfTrack)
            delta = kEndOfTrackDelta;
        appender_.Append(type, kMetaChannel, MetaData(type), delta);
        return true;
    }

    MidiBytes MetaData(std::uint8_t type) const
    {
        switch (type) {
        case MidiKind::SequenceNumber: {
            // Stored low byte first; the file gives it high byte first.
            const MidiBytes number = FirstBytes(message_, 2);
            return {number[1], number[0]};
        }
        case MidiKind::MetaChannel:
        case MidiKind::MetaPort: return FirstBytes(message_, 1);
        case MidiKind::EndOfTrack: return {0};
        case MidiKind::SetTempo: return FirstBytes(message_, 3);
        case MidiKind::SmpteOffset: return FirstBytes(message_, 5);
        case MidiKind::TimeSignature: return FirstBytes(message_, 4);
        case MidiKind::KeySignature: return FirstBytes(message_, 2);
        default: return MidiBytes(message_);
        }
    }

    bool ReadSysex()
    {
        std::uint64_t length = 0;
        if (!ReadQuantity(length) || !ReadPayload(length))
            return false;
        appender_.Append(MidiKind::SystemExclusive, kMetaChannel, MidiBytes(message_), TakeDelta());
        return true;
    }

    // Escaped bytes (0xF7 packets) are read and dropped.
    bool SkipEscape()
    {
        std::uint64_t length = 0;
        if (!ReadQuantity(length) || !ReadPayload(length))
            return false;
        Drop();
        return true;
    }

    // No record for this event: its delta joins the next record's.
    void Drop() { carriedDelta_ += currentDelta_; }

    std::uint64_t TakeDelta()
    {
        const std::uint64_t delta = carriedDelta_ + currentDelta_;
        carriedDelta_ = 0;
        return delta;
    }

    std::span<const std::uint8_t> body_;
    std::size_t position_ = 0;
    std::uint8_t runningStatus_ = 0;
    std::uint64_t currentDelta_ = 0;
    std::uint64_t carriedDelta_ = 0;
    std::uint64_t overrunEnd_ = 0;
    std::vector<std::uint8_t> message_;
    MidiEventAppender appender_;
};

}  // namespace

std::uint64_t ReadTrackInto(std::span<const std::uint8_t> body, MidiEventList& records)
{
    TrackReader reader(body, records);
    reader.Run();
    return reader.OverrunEnd();
}

TrackReading ReadTrack(std::span<const std::uint8_t> body)
{
    TrackReading reading;
    reading.events.reserve(CountTrackRecords(body));
    reading.overrunEnd = ReadTrackInto(body, reading.events);
    return reading;
}
