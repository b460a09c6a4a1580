#include <gtest/gtest.h>

#include "SmfBuilder.h"
#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"
#include "midi/SoundingChanges.h"
#include "midi/SoundingNotes.h"

TEST(SoundingNotesTest, NotesStartAndEndPerChannelAndPercussionIsNoPitch)
{
    SoundingNotes notes;
    EXPECT_TRUE(notes.Apply(0x643C90));   // C on channel 1
    EXPECT_FALSE(notes.Apply(0x643C90));  // again: no change
    EXPECT_TRUE(notes.Apply(0x503C91));   // C on channel 2 too
    EXPECT_TRUE(notes.Apply(0x402499));   // a drum
    EXPECT_TRUE(notes.Apply(0x643092));   // the C below
    EXPECT_EQ(notes.PitchedNotes(), (std::vector<int>{48, 60}));
    EXPECT_TRUE(notes.Apply(0x003C90));   // a note on of velocity 0 ends it
    EXPECT_EQ(notes.PitchedNotes(), (std::vector<int>{48, 60})) << "channel 2 still sounds C";
    EXPECT_TRUE(notes.Apply(0x403C81));
    EXPECT_FALSE(notes.Apply(0x4000E0));  // pitch bend
    EXPECT_EQ(notes.NoteOffs(), (std::vector<std::uint32_t>{0x3082, 0x2489}));
    EXPECT_TRUE(notes.Apply(0x7BB2));     // All Notes Off on channel 3
    EXPECT_FALSE(notes.Apply(0x7BB2));
    EXPECT_TRUE(notes.PitchedNotes().empty());
    EXPECT_FALSE(notes.Empty()) << "the drum";
    EXPECT_TRUE(notes.Apply(0x78B9));     // All Sound Off
    EXPECT_TRUE(notes.Empty());
}

// Division 96: a quarter note is 500 ms at the default tempo.
TEST(SoundingNotesTest, ChangesAreTimedAsPlaybackAndOneMomentIsOneChange)
{
    TrackBody track;
    track.Event(0, {0x90, 60, 100}).Event(0, {0x90, 64, 100}).Event(0, {0x90, 67, 100});
    track.Event(0, {0x99, 36, 100});                       // a drum adds nothing
    track.Event(96, {0x80, 60, 0}).Event(0, {0x80, 64, 0}).Event(0, {0x80, 67, 0});
    track.Event(0, {0x90, 65, 100}).Event(0, {0x90, 69, 100}).Event(0, {0x90, 60, 100});
    track.Meta(0, 0x51, {0x03, 0xD0, 0x90});               // 250000: twice as fast
    track.Event(96, {0x80, 65, 0}).Event(0, {0x80, 69, 0}).Event(0, {0x80, 60, 0});
    track.Event(48, {0x89, 36, 0});
    const Bytes bytes = Smf(0, 96, {track.End()});
    const MidiFile file = LoadMidiFile(bytes, MidiPlayer());
    const std::vector<SoundingChange> changes = SoundingChangesOf(file);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].timeMs, 0);
    EXPECT_EQ(changes[0].notes, (std::vector<int>{60, 64, 67}));
    EXPECT_EQ(changes[1].timeMs, 500);
    EXPECT_EQ(changes[1].notes, (std::vector<int>{60, 65, 69})) << "no empty moment between two chords";
    EXPECT_EQ(changes[2].timeMs, 750);
    EXPECT_TRUE(changes[2].notes.empty());
}
