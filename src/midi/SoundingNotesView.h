#pragma once
// A window that names the chord a MIDI file sounds while it plays (the
// Identify window). The application hands it every change of the notes
// sounding on the pitched channels.
#include <vector>

class ISoundingNotesView {
public:
    // A file started playing: the window follows it.
    virtual void PlaybackBegan() = 0;
    // The notes sounding now, each once, lowest first (MIDI note numbers);
    // none in a rest.
    virtual void NotesSounding(const std::vector<int>& notes) = 0;
    virtual void PlaybackEnded() = 0;

protected:
    ~ISoundingNotesView() = default;
};
