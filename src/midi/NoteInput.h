#pragma once
// A window that takes notes played on an outside keyboard: the MIDI input
// hands every note on and off to each open window that implements it.
class INoteInput {
public:
    virtual void NoteInput(int note, bool on) = 0;
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
