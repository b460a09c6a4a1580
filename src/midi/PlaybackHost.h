#pragma once
// What the MIDI player asks of the application while it plays: the primary
// model's live flag, its key and note tables, and the instruments that mark
// the sounding notes. The application implements it; without a primary
// model every call is simply ignored.
#include <cstdint>

#include "midi/MidiEvent.h"
#include "midi/PlayList.h"

struct PlayedRecord {
    const MidiEvent& event;
    std::int64_t nowMs = 0;
    // A sounding note on more than a sixth of a quarter note after the last
    // highlighted one: sheet music moves its highlight.
    bool beyondShownStep = false;
};

class IPlaybackHost {
public:
    // The primary model's liveFlag: set while a playback runs.
    virtual bool PlaybackRunning() const = 0;
    // Play, before the loop: remember the model's History selection, clear its
    // note tables and let sheet music prepare for the list starting at first,
    // whose deltas count `division` ticks to the quarter note.
    virtual void PreparePlayback(const PlayList& list, std::size_t first, unsigned division) = 0;
    virtual void SetLive(bool live) = 0;
    // A key signature record: sf sharps (flats when negative as a byte), mi minor.
    virtual void ApplyKeySignature(int sf, int mi) = 0;
    // Every record that is played (not fast-forwarded), before it is sent:
    // the note tables follow note ons and offs, and the instruments
    // following the record's channel update their marks.
    virtual void RecordPlayed(const PlayedRecord& played) = 0;
    // After the loop: clear liveFlag, put the remembered History entry back
    // into the model and let every instrument update its marks.
    virtual void FinishPlayback() = 0;

protected:
    ~IPlaybackHost() = default;
};

// Whether an instrument listening on `instrumentChannel` (-1 every channel,
// 1..16 one channel) follows a record on MIDI channel `eventChannel` (0..15).
inline bool InstrumentFollows(int instrumentChannel, int eventChannel)
{
    return instrumentChannel == -1 || instrumentChannel == eventChannel + 1;
}
