#include "platform/sound/AlsaSeqMidiIn.h"

#include <cerrno>

#include "platform/sound/AlsaSequencerPorts.h"

namespace {

std::uint32_t Pack(std::uint32_t status, const snd_seq_ev_note_t& note)
{
    return status | (note.channel & 0x0Fu) | (note.note & 0x7Fu) << 8 | (note.velocity & 0x7Fu) << 16;
}

}  // namespace

std::optional<std::uint32_t> NoteShortMessage(const snd_seq_event_t& event)
{
    switch (event.type) {
    case SND_SEQ_EVENT_NOTEON: return Pack(0x90, event.data.note);
    case SND_SEQ_EVENT_NOTEOFF: return Pack(0x80, event.data.note);
    default: return std::nullopt;
    }
}

AlsaSeqMidiIn::~AlsaSeqMidiIn()
{
    Close();
}

bool AlsaSeqMidiIn::Open()
{
    if (seq_)
        return true;
    if (!HasSequencer())
        return false;
    if (snd_seq_open(&seq_, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) < 0) {
        seq_ = nullptr;
        return false;
    }
    snd_seq_set_client_name(seq_, kPortName);
    port_ = snd_seq_create_simple_port(seq_, kPortName, SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                       SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    if (port_ < 0) {
        Close();
        return false;
    }
    return true;
}

void AlsaSeqMidiIn::Close()
{
    if (seq_)
        snd_seq_close(seq_);
    seq_ = nullptr;
    port_ = -1;
}

int AlsaSeqMidiIn::Client() const
{
    return seq_ ? snd_seq_client_id(seq_) : -1;
}

std::vector<int> AlsaSeqMidiIn::PollDescriptors() const
{
    return SequencerPollDescriptors(seq_);
}

// An overrun (-ENOSPC) drops what the queue lost and reading goes on; the
// queue is empty when the library answers -EAGAIN.
void AlsaSeqMidiIn::ReadPending(const std::function<void(std::uint32_t)>& receiver)
{
    while (seq_) {
        snd_seq_event_t* event = nullptr;
        int result = snd_seq_event_input(seq_, &event);
        if (result == -ENOSPC)
            continue;
        if (result < 0 || !event)
            return;
        if (std::optional<std::uint32_t> message = NoteShortMessage(*event))
            receiver(*message);
    }
}
