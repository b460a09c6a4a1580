#include "platform/sound/AlsaSequencerPorts.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

namespace {

constexpr unsigned kWritable = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
constexpr unsigned kMidiTypes =
    SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_SYNTH | SND_SEQ_PORT_TYPE_SYNTHESIZER;

bool TakesNotes(unsigned capability, unsigned type)
{
    return (capability & kWritable) == kWritable && !(capability & SND_SEQ_PORT_CAP_NO_EXPORT) &&
           (type & kMidiTypes) != 0;
}

struct SequencerCloser {
    void operator()(snd_seq_t* seq) const { snd_seq_close(seq); }
};

void ReadClientPorts(snd_seq_t* seq, snd_seq_client_info_t* client, std::vector<SequencerPort>& ports)
{
    snd_seq_port_info_t* info = nullptr;
    snd_seq_port_info_alloca(&info);
    const int number = snd_seq_client_info_get_client(client);
    snd_seq_port_info_set_client(info, number);
    snd_seq_port_info_set_port(info, -1);
    while (snd_seq_query_next_port(seq, info) >= 0) {
        SequencerPort port;
        port.client = number;
        port.port = snd_seq_port_info_get_port(info);
        port.clientName = snd_seq_client_info_get_name(client);
        port.portName = snd_seq_port_info_get_name(info);
        port.takesNotes = number != SND_SEQ_CLIENT_SYSTEM &&
                          TakesNotes(snd_seq_port_info_get_capability(info), snd_seq_port_info_get_type(info));
        port.ownProcess = snd_seq_client_info_get_pid(client) == getpid();
        ports.push_back(std::move(port));
    }
}

}  // namespace

bool HasSequencer()
{
    return access("/dev/snd/seq", R_OK | W_OK) == 0;
}

std::vector<SequencerPort> ListSequencerPorts()
{
    std::vector<SequencerPort> ports;
    snd_seq_t* opened = nullptr;
    if (!HasSequencer() || snd_seq_open(&opened, "default", SND_SEQ_OPEN_OUTPUT, SND_SEQ_NONBLOCK) < 0)
        return ports;
    std::unique_ptr<snd_seq_t, SequencerCloser> seq(opened);
    snd_seq_client_info_t* client = nullptr;
    snd_seq_client_info_alloca(&client);
    snd_seq_client_info_set_client(client, -1);
    while (snd_seq_query_next_client(seq.get(), client) >= 0)
        ReadClientPorts(seq.get(), client, ports);
    return ports;
}

std::vector<int> SequencerPollDescriptors(snd_seq_t* seq)
{
    if (!seq)
        return {};
    int count = snd_seq_poll_descriptors_count(seq, POLLIN);
    if (count <= 0)
        return {};
    std::vector<pollfd> descriptors(static_cast<std::size_t>(count));
    count = snd_seq_poll_descriptors(seq, descriptors.data(), static_cast<unsigned>(count), POLLIN);
    std::vector<int> fds;
    for (int i = 0; i < count; ++i)
        fds.push_back(descriptors[static_cast<std::size_t>(i)].fd);
    return fds;
}

AlsaSequencerWatch::~AlsaSequencerWatch()
{
    if (seq_)
        snd_seq_close(seq_);
}

bool AlsaSequencerWatch::Open()
{
    if (seq_)
        return true;
    if (!HasSequencer() || snd_seq_open(&seq_, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) < 0) {
        seq_ = nullptr;
        return false;
    }
    snd_seq_set_client_name(seq_, "Morvix Music Reference watch");
    const int port = snd_seq_create_simple_port(seq_, "Announcements", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
                                                SND_SEQ_PORT_TYPE_APPLICATION);
    if (port < 0 || snd_seq_connect_from(seq_, port, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0) {
        snd_seq_close(seq_);
        seq_ = nullptr;
        return false;
    }
    return true;
}

bool AlsaSequencerWatch::ReadPending()
{
    bool changed = false;
    while (seq_) {
        snd_seq_event_t* event = nullptr;
        const int result = snd_seq_event_input(seq_, &event);
        if (result == -ENOSPC) {
            changed = true;  // announcements were lost: look again
            continue;
        }
        if (result < 0 || !event)
            break;
        switch (event->type) {
        case SND_SEQ_EVENT_PORT_START:
        case SND_SEQ_EVENT_PORT_EXIT:
        case SND_SEQ_EVENT_CLIENT_START:
        case SND_SEQ_EVENT_CLIENT_EXIT: changed = true; break;
        default: break;
        }
    }
    return changed;
}
