#include "midi/SoundingChanges.h"

#include <cmath>

#include "midi/PlaybackSchedule.h"
#include "midi/ShortMessage.h"
#include "midi/SoundingNotes.h"

std::vector<SoundingChange> SoundingChangesOf(const MidiFile& file)
{
    std::vector<SoundingChange> changes;
    const MidiTimeBase base = MidiTimeBase::FromDivision(file.division);
    if (!base.Timed())
        return changes;
    PlaybackSchedule schedule(base);
    schedule.Restart(0, 1.0);
    SoundingNotes sounding;
    std::vector<int> shown;
    std::int64_t momentMs = 0;
    std::uint64_t momentTick = 0;
    auto flush = [&] {
        std::vector<int> notes = sounding.PitchedNotes();
        if (notes != shown) {
            changes.push_back({momentMs, notes});
            shown = std::move(notes);
        }
    };
    const PlayList& list = file.playList;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const MidiEvent& event = list[i];
        const std::int64_t due = std::llround(schedule.Pass(list.Delta(i), event));
        if (event.time != momentTick) {
            flush();
            momentMs = due;
            momentTick = event.time;
        }
        if (IsSent(event) && event.kind < MidiKind::SystemExclusive)
            sounding.Apply(PackShortMessage(event));
    }
    flush();
    return changes;
}
