#include "midi/MidiEventAppender.h"

#include <cstring>

#include "midi/MidiDescriptions.h"

MidiEvent& MidiEventAppender::Append(int kind, int channel, MidiBytes data,
                                     std::uint64_t delta, std::string_view description)
{
    cumulativeTicks_ += delta;
    MidiEvent& event = list_.emplace_back();
    event.kind = static_cast<std::uint8_t>(kind);
    event.channel = static_cast<std::uint8_t>(channel);
    event.data = std::move(data);
    event.delta = delta;
    MidiArena& texts = list_.Texts();
    char* const start = texts.Reserve(kTickColumnsSize + description.size());
    char* const columnsEnd = WriteTickColumns(start, cumulativeTicks_, delta);
    if (!description.empty())
        std::memcpy(columnsEnd, description.data(), description.size());
    event.text = texts.Keep(static_cast<std::size_t>(columnsEnd - start) + description.size());
    return event;
}
