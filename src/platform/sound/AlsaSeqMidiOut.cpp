#include "platform/sound/AlsaSeqMidiOut.h"

#include <array>
#include <cmath>

#include "platform/sound/MasterStage.h"

AlsaSeqMidiOut::~AlsaSeqMidiOut()
{
    Close();
}

bool AlsaSeqMidiOut::Open()
{
    if (seq_)
        return true;
    if (snd_seq_open(&seq_, "default", SND_SEQ_OPEN_OUTPUT, 0) < 0) {
        seq_ = nullptr;
        tried_ = "alsa:" + address_ + ": there is no ALSA sequencer here";
        return false;
    }
    if (!Connect()) {
        Close();
        tried_ = "alsa:" + address_ + ": the ALSA sequencer port " + address_ +
                 " could not be reached (aconnect -l lists the ports)";
        return false;
    }
    return true;
}

bool AlsaSeqMidiOut::Connect()
{
    snd_seq_set_client_name(seq_, "Morvix Music Reference");
    port_ = snd_seq_create_simple_port(seq_, "MIDI Out", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                       SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    snd_seq_addr_t target{};
    return port_ >= 0 && snd_seq_parse_address(seq_, &target, address_.c_str()) >= 0 &&
           snd_seq_connect_to(seq_, port_, target.client, target.port) >= 0 &&
           snd_midi_event_new(16, &encoder_) >= 0;
}

void AlsaSeqMidiOut::Send(std::uint32_t shortMessage)
{
    if (!seq_ || !encoder_)
        return;
    int status = shortMessage & 0xFF;
    if (status >= 0xF0)
        return;  // only channel messages travel as short messages
    int length = (status & 0xE0) == 0xC0 ? 2 : 3;
    std::array<unsigned char, 3> bytes{static_cast<unsigned char>(status),
                                       static_cast<unsigned char>(shortMessage >> 8 & 0x7F),
                                       static_cast<unsigned char>(shortMessage >> 16 & 0x7F)};
    snd_seq_event_t event;
    snd_seq_ev_clear(&event);
    snd_midi_event_reset_encode(encoder_);
    if (snd_midi_event_encode(encoder_, bytes.data(), length, &event) <= 0 ||
        event.type == SND_SEQ_EVENT_NONE)
        return;
    SendEvent(event);
}

void AlsaSeqMidiOut::SendEvent(snd_seq_event_t& event)
{
    snd_seq_ev_set_source(&event, port_);
    snd_seq_ev_set_subs(&event);
    snd_seq_ev_set_direct(&event);
    snd_seq_event_output_direct(seq_, &event);
}

void AlsaSeqMidiOut::SetVolume(int percent)
{
    if (!seq_ || (percent >= 100 && !volumeSent_))
        return;
    const auto value = static_cast<unsigned>(std::lround(VolumeScale(percent) * 16383));
    std::array<unsigned char, 8> masterVolume{0xF0, 0x7F, 0x7F, 0x04, 0x01, static_cast<unsigned char>(value & 0x7F),
                                              static_cast<unsigned char>(value >> 7), 0xF7};
    snd_seq_event_t event;
    snd_seq_ev_clear(&event);
    snd_seq_ev_set_sysex(&event, masterVolume.size(), masterVolume.data());
    SendEvent(event);
    volumeSent_ = percent < 100;
}

// An external synthesizer outlives this output: a playback stopped between a
// note's on and off would leave the note sounding there.
void AlsaSeqMidiOut::Close()
{
    constexpr std::uint32_t kAllNotesOff = 0xB0 | (123 << 8);
    for (std::uint32_t channel = 0; channel < 16; ++channel)
        Send(kAllNotesOff | channel);
    if (encoder_)
        snd_midi_event_free(encoder_);
    encoder_ = nullptr;
    if (seq_)
        snd_seq_close(seq_);
    seq_ = nullptr;
    port_ = -1;
}
