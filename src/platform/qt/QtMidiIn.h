#pragma once
// The desktop's MIDI input: the ALSA sequencer port, watched by socket
// notifiers of the event loop, so its notes arrive on the thread that runs
// the application, between two window messages or inside a playback's pause.
// Stop belongs to the application's end, never to the handling of a note.
#include "framework/Services.h"
#include "platform/qt/ReadNotifiers.h"
#include "platform/sound/AlsaSeqMidiIn.h"

class QtMidiIn : public IMidiIn {
public:
    ~QtMidiIn() override { Stop(); }

    bool Start(Receiver receiver) override;
    void Stop() override;

private:
    void ReadPending();

    AlsaSeqMidiIn sequencer_;
    Receiver receiver_;
    ReadNotifiers notifiers_;
};
