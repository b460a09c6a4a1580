#pragma once
// The ALSA sequencer's ports as the output listing sees them, and what the
// listing makes of them: which can take notes, how each is named and
// stored, and which port a stored choice means. Plain code, so that it is
// tested on made-up ports; platform/sound reads the real ones.
#include <optional>
#include <string>
#include <vector>

#include "framework/MidiDevices.h"

struct SequencerPort {
    int client = 0;
    int port = 0;
    std::string clientName;
    std::string portName;
    // Others may send it MIDI and connect to it, and it is not hidden.
    bool takesNotes = false;
    // A port of this program (its own MIDI input): never an output.
    bool ownProcess = false;
};

// The ports that take notes, by client and port number: each as
// "alsa:CLIENT NAME:PORT" with its name "CLIENT NAME: PORT NAME (C:P)", or
// by numbers where two clients share a name.
std::vector<MidiOutputEntry> SequencerOutputs(const std::vector<SequencerPort>& ports);
// The "CLIENT:PORT" numbers of the port that address ("NAME:PORT" with a
// client's whole name, or "C:P") means among ports; none when it is not
// there.
std::optional<std::string> FindSequencerPort(const std::string& address, const std::vector<SequencerPort>& ports);
