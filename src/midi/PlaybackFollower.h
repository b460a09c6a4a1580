#pragma once
// An instrument window that follows a playback: instrument documents
// implement it, and the application's playback host calls it for every
// instrument attached to the primary model.
#include <cstddef>
#include <cstdint>

#include "midi/MidiEvent.h"
#include "midi/PlaybackHost.h"

class IPlaybackFollower {
public:
    // -1 for every channel, 1..16 for one.
    virtual int FollowedChannel() const = 0;
    // Recomputes the marks from the model's note tables and redraws them.
    virtual void UpdateNoteMarks() = 0;

    // Sheet music follows every channel page by page.
    virtual bool IsSheetMusic() const { return false; }
    virtual void PreparePlayback(const PlayList& list, std::size_t first, unsigned division)
    {
        (void)list;
        (void)first;
        (void)division;
    }
    // True when the record lies past the page shown, which was turned.
    virtual bool TurnPageIfPast(const MidiEvent& event) { (void)event; return false; }
    virtual void HighlightPosition(std::uint64_t tick) { (void)tick; }
    // After the playback: sheet music leaves live mode; every instrument
    // updates its marks.
    virtual void FinishPlayback() { UpdateNoteMarks(); }

protected:
    ~IPlaybackFollower() = default;
};

// What one follower does for a played record.
void FollowRecord(IPlaybackFollower& follower, const PlayedRecord& played);
