#pragma once
// An external synthesizer or MIDI hardware reached through the ALSA
// sequencer: a port of our own connected to CLIENT:PORT at each open.
#include <string>

#include <alsa/asoundlib.h>

#include "framework/Services.h"

class AlsaSeqMidiOut : public IMidiOut {
public:
    // address: "CLIENT:PORT", a client number or name as aconnect takes it.
    explicit AlsaSeqMidiOut(std::string address) : address_(std::move(address)) {}
    ~AlsaSeqMidiOut() override;

    bool Open() override;
    void Send(std::uint32_t shortMessage) override;
    void Close() override;
    bool IsOpen() const override { return seq_ != nullptr; }
    // As the General MIDI Master Volume message: the device's own volume.
    // Full volume is sent only to undo a lower one, so a device keeps the
    // volume it was set to until the user turns ours down.
    void SetVolume(int percent) override;
    std::string Tried() const override { return tried_; }

private:
    bool Connect();
    void SendEvent(snd_seq_event_t& event);

    std::string address_;
    std::string tried_;
    snd_seq_t* seq_ = nullptr;
    snd_midi_event_t* encoder_ = nullptr;
    int port_ = -1;
    bool volumeSent_ = false;
};
