#pragma once
// A window that takes notes played on an outside keyboard: the MIDI input
// hands every note on and off to each open window that implements it.
class INoteInput {
public:
    // velocity as played: a note on's loudness, a note off's release.
    virtual void NoteInput(int note, bool on, int velocity) = 0;
    // A note on or off the MIDI player sends from the list it plays: a
    // window may show it; it is never recorded.
    virtual void NotePlayed(int note, bool on)
    {
        (void)note;
        (void)on;
    }

protected:
    ~INoteInput() = default;
};
