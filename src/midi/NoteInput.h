#pragma once
// A window that takes notes played on an outside keyboard: the MIDI input
// hands every note on and off to each open window that implements it.
class INoteInput {
public:
    virtual void NoteInput(int note, bool on) = 0;

protected:
    ~INoteInput() = default;
};
