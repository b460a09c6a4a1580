#include "midi/MidiEventAppender.h"

#include "midi/MidiDescriptions.h"

MidiEvent& MidiEventAppender::Append(int kind, int channel, MidiBytes data,
                                     std::uint64_t delta, std::string_view description)
{
    cumulativeTicks_ += delta;
    MidiEvent& event = list_.emplace_back();
    event.kind = kind;
    event.channel = channel;
    event.data = std::move(data);
    event.delta = delta;
    event.text.reserve(14 + description.size());
    AppendTickColumns(event.text, cumulativeTicks_, delta);
    event.text += description;
    return event;
}
