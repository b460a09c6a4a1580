#include "midi/SmfWriter.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kReleaseVelocity = 64;

void AppendBigEndian(Bytes& out, std::uint32_t value, int byteCount)
{
    for (int shift = (byteCount - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void AppendChunk(Bytes& out, const char* tag, const Bytes& body)
{
    out.insert(out.end(), tag, tag + 4);
    AppendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

// The track body with a pending delta: a gap too long for one quantity is
// bridged by empty text events, each taking the largest delta there is.
class TrackWriter {
public:
    void Wait(std::uint64_t ms) { pending_ += ms; }

    void Event(std::initializer_list<std::uint8_t> bytes)
    {
        Delta();
        body_.insert(body_.end(), bytes);
    }

    void Meta(std::uint8_t type, const Bytes& payload)
    {
        Event({0xFF, type});
        AppendVlq(body_, static_cast<std::uint32_t>(payload.size()));
        body_.insert(body_.end(), payload.begin(), payload.end());
    }

    const Bytes& Body() const { return body_; }

private:
    void Delta()
    {
        while (pending_ > kMaxVlq) {
            AppendVlq(body_, kMaxVlq);
            body_.insert(body_.end(), {0xFF, 0x01, 0x00});
            pending_ -= kMaxVlq;
        }
        AppendVlq(body_, static_cast<std::uint32_t>(pending_));
        pending_ = 0;
    }

    Bytes body_;
    std::uint64_t pending_ = 0;
};

bool IsNote(const MidiEvent& event)
{
    return (event.kind == MidiKind::NoteOn || event.kind == MidiKind::NoteOff) && event.data.size() >= 2;
}

std::uint8_t DataByte(int value)
{
    return static_cast<std::uint8_t>(value & 0x7F);
}

}  // namespace

void AppendVlq(Bytes& out, std::uint32_t value)
{
    std::array<std::uint8_t, 4> groups{};
    std::size_t count = 0;
    value = std::min(value, kMaxVlq);
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(static_cast<std::uint8_t>(0x80 | groups[--count]));
    out.push_back(groups[0]);
}

Bytes RecordingToSmf(const MidiEventList& events, int program)
{
    TrackWriter track;
    Bytes tempo;
    AppendBigEndian(tempo, kRecordingTempo, 3);
    track.Meta(MidiKind::SetTempo, tempo);
    track.Event({static_cast<std::uint8_t>(MidiKind::Program), DataByte(program)});

    // Notes sounding, by channel and note: a note on counts up, a note off down.
    std::array<std::array<int, 128>, 16> held{};
    for (std::size_t i = 0; i < events.size(); ++i) {
        const MidiEvent& event = events[i];
        track.Wait(DeltaOf(events, i));
        if (!IsNote(event))
            continue;
        const auto channel = static_cast<std::uint8_t>(event.channel);
        std::uint8_t note = DataByte(event.data[0]);
        std::uint8_t velocity = DataByte(event.data[1]);
        track.Event({static_cast<std::uint8_t>(event.kind | channel), note, velocity});
        int& count = held[channel][note];
        if (event.kind == MidiKind::NoteOn && velocity > 0)
            ++count;
        else if (count > 0)
            --count;
    }
    for (std::size_t channel = 0; channel < held.size(); ++channel)
        for (std::size_t note = 0; note < held[channel].size(); ++note)
            for (int i = 0; i < held[channel][note]; ++i)
                track.Event({static_cast<std::uint8_t>(MidiKind::NoteOff | channel), static_cast<std::uint8_t>(note),
                             kReleaseVelocity});
    track.Meta(MidiKind::EndOfTrack, {});

    Bytes header;
    AppendBigEndian(header, 0, 2);  // format 0
    AppendBigEndian(header, 1, 2);  // one track
    AppendBigEndian(header, kRecordingDivision, 2);
    Bytes file;
    AppendChunk(file, "MThd", header);
    AppendChunk(file, "MTrk", track.Body());
    return file;
}
