#pragma once
// The program's MIDI input on the ALSA sequencer: a port named "Morvix
// Music Reference" that keyboards and other programs connect to. Reading
// never blocks; the owner watches the poll descriptors and reads when one
// is readable, so the events are handled on the owner's thread.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <alsa/asoundlib.h>

// The note on or off an event carries, as a short message; null for others.
std::optional<std::uint32_t> NoteShortMessage(const snd_seq_event_t& event);

class AlsaSeqMidiIn {
public:
    static constexpr const char* kPortName = "Morvix Music Reference";

    AlsaSeqMidiIn() = default;
    ~AlsaSeqMidiIn();
    AlsaSeqMidiIn(const AlsaSeqMidiIn&) = delete;
    AlsaSeqMidiIn& operator=(const AlsaSeqMidiIn&) = delete;

    // False, saying nothing, when the machine has no sequencer.
    bool Open();
    void Close();
    bool IsOpen() const { return seq_ != nullptr; }
    int Client() const;
    int Port() const { return port_; }

    std::vector<int> PollDescriptors() const;
    // Reads every event waiting and hands each note on or off to receiver.
    void ReadPending(const std::function<void(std::uint32_t)>& receiver);

private:
    snd_seq_t* seq_ = nullptr;
    int port_ = -1;
};
