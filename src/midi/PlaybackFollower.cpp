#include "midi/PlaybackFollower.h"

void FollowRecord(IPlaybackFollower& follower, const PlayedRecord& played)
{
    const MidiEvent& event = played.event;
    if (!follower.IsSheetMusic()) {
        bool note = event.kind == MidiKind::NoteOn || event.kind == MidiKind::NoteOff;
        if (note && InstrumentFollows(follower.FollowedChannel(), event.channel))
            follower.UpdateNoteMarks();
        return;
    }
    bool turned = follower.TurnPageIfPast(event);
    if (turned)
        follower.UpdateNoteMarks();
    if (turned || played.beyondShownStep)
        follower.HighlightPosition(event.time);
}
