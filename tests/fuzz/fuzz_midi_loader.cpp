// Any bytes given to the MIDI loader must load without crashing, hanging or
// reading out of bounds, and must give a play list that runs forward in time.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>

#include "midi/MidiListing.h"
#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"
#include "midi/MidiTiming.h"

namespace {

void CheckPlayList(const PlayList& events)
{
    std::uint64_t now = 0;
    for (const MidiEvent& event : events) {
        if (event.time < now)
            std::abort();
        now = event.time;
        if ((event.kind == MidiKind::NoteOn || event.kind == MidiKind::NoteOff)
            && (event.data.size() != 2 || event.data[0] > 127 || event.data[1] > 127))
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const MidiPlayer player;
    const MidiFile file = LoadMidiFile(std::span(data, size), player);
    CheckPlayList(file.playList);
    std::ostringstream out;
    WriteMidiListing(out, file, player, "fuzz.mid");
    WritePlayList(out, file.playList);
    RunningTimeMs(file.playList, file.division);
    return 0;
}
