#include "midi/ShortMessage.h"

std::uint32_t PackShortMessage(const MidiEvent& event)
{
    std::uint32_t message = static_cast<std::uint8_t>(event.kind | event.channel);
    for (std::size_t i = 0; i < 2 && i < event.length(); ++i)
        message |= static_cast<std::uint32_t>(event.data[i]) << (8 * (i + 1));
    return message;
}
