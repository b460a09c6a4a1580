#include "midi/MidiEvent.h"

MidiEventList::MidiEventList(const MidiEventList& other) : std::vector<MidiEvent>(other)
{
    for (MidiEvent& event : *this)
        event.text = texts_.Store(event.text);
}

MidiEventList& MidiEventList::operator=(const MidiEventList& other)
{
    if (this != &other)
        *this = MidiEventList(other);
    return *this;
}
