// Any bytes given to the MIDI loader must load without crashing, hanging or
// reading out of bounds, and must give a play list that runs forward in time
// and a listing and play list that can be written out.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "midi/MidiListing.h"
#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"

namespace {

// A few bytes of file can ask for twenty thousand bar lines, all written
// alike: lines are written from both ends of a list, so that every kind of
// line is written and a long list costs no more than a short one.
constexpr std::size_t kLinesFromEachEnd = 128;

template <class Write>
void WriteEnds(std::size_t count, const Write& write)
{
    for (std::size_t line = 0; line < count; ++line) {
        if (line == kLinesFromEachEnd && count > 2 * kLinesFromEachEnd)
            line = count - kLinesFromEachEnd;
        write(line);
    }
}

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
    const MidiListing listing(file, player, "fuzz.mid");
    std::string text;
    WriteEnds(listing.size(), [&](std::size_t line) { text = listing[line]; });
    WriteEnds(file.playList.size(), [&](std::size_t index) {
        text.clear();
        AppendPlayListLine(text, file.playList, index);
    });
    return 0;
}
