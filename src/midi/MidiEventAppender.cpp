#include "midi/MidiEventAppender.h"

#include <cstring>

MidiEvent& MidiEventAppender::Append(int kind, int channel, MidiBytes data,
                                     std::uint64_t delta, std::string_view description)
{
    return AppendDescribed(kind, channel, std::move(data), delta, description.size(),
                           [description](char* out) {
                               if (!description.empty())
                                   std::memcpy(out, description.data(), description.size());
                               return out + description.size();
                           });
}

MidiEvent& MidiEventAppender::AddRecord(int kind, int channel, MidiBytes data, std::uint64_t delta)
{
    cumulativeTicks_ += delta;
    MidiEvent& event = list_.emplace_back();
    event.kind = static_cast<std::uint8_t>(kind);
    event.channel = static_cast<std::uint8_t>(channel);
    event.data = std::move(data);
    event.delta = delta;
    return event;
}
