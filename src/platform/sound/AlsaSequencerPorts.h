#pragma once
// The ALSA sequencer's ports, read for the output listing, and a watch on
// its announcements of ports coming and going. Without /dev/snd/seq there
// are no ports and nothing to watch.
#include <vector>

#include <alsa/asoundlib.h>

#include "platform/midiout/SequencerPorts.h"

// Whether the machine has a sequencer this user may open. Checked first:
// without the device file the library prints its own complaint before
// failing, and a machine without a sequencer is no error here.
bool HasSequencer();
std::vector<SequencerPort> ListSequencerPorts();
// The descriptors to poll for input on an open sequencer client.
std::vector<int> SequencerPollDescriptors(snd_seq_t* seq);

// A client of its own subscribed to the system's announce port. Reading
// never blocks: the owner watches the poll descriptors and reads when one
// is readable.
class AlsaSequencerWatch {
public:
    AlsaSequencerWatch() = default;
    ~AlsaSequencerWatch();
    AlsaSequencerWatch(const AlsaSequencerWatch&) = delete;
    AlsaSequencerWatch& operator=(const AlsaSequencerWatch&) = delete;

    bool Open();
    std::vector<int> PollDescriptors() const { return SequencerPollDescriptors(seq_); }
    // Reads every announcement waiting; true when a port or client came or went.
    bool ReadPending();

private:
    snd_seq_t* seq_ = nullptr;
};
