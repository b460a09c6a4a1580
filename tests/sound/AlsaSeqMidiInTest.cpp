#include <gtest/gtest.h>
#include <poll.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/sound/AlsaSeqMidiIn.h"

namespace {

snd_seq_event_t NoteEvent(bool on, int channel, int note, int velocity)
{
    snd_seq_event_t event;
    snd_seq_ev_clear(&event);
    if (on)
        snd_seq_ev_set_noteon(&event, channel, note, velocity);
    else
        snd_seq_ev_set_noteoff(&event, channel, note, velocity);
    return event;
}

// A second client with a source port connected to the input, as a
// keyboard's driver or a virtual keyboard program would be.
class VirtualKeyboard {
public:
    bool Connect(int client, int port)
    {
        if (snd_seq_open(&seq_, "default", SND_SEQ_OPEN_DUPLEX, 0) < 0) {
            seq_ = nullptr;
            return false;
        }
        port_ = snd_seq_create_simple_port(seq_, "virtual keyboard", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                           SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
        return port_ >= 0 && snd_seq_connect_to(seq_, port_, client, port) >= 0;
    }
    ~VirtualKeyboard()
    {
        if (seq_)
            snd_seq_close(seq_);
    }

    void Send(snd_seq_event_t event)
    {
        snd_seq_ev_set_source(&event, port_);
        snd_seq_ev_set_subs(&event);
        snd_seq_ev_set_direct(&event);
        snd_seq_event_output_direct(seq_, &event);
    }

    snd_seq_t* Handle() const { return seq_; }

private:
    snd_seq_t* seq_ = nullptr;
    int port_ = -1;
};

// Reads what arrives until `count` messages are in or two seconds pass.
std::vector<std::uint32_t> Receive(AlsaSeqMidiIn& input, std::size_t count)
{
    std::vector<std::uint32_t> received;
    std::vector<pollfd> fds;
    for (int fd : input.PollDescriptors())
        fds.push_back({fd, POLLIN, 0});
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (received.size() < count && std::chrono::steady_clock::now() < deadline) {
        poll(fds.data(), fds.size(), 100);
        input.ReadPending([&](std::uint32_t message) { received.push_back(message); });
    }
    return received;
}

}  // namespace

TEST(AlsaSeqMidiInTest, NoteEventsBecomeShortMessagesWithTheirChannel)
{
    EXPECT_EQ(NoteShortMessage(NoteEvent(true, 0, 60, 100)), 0x643C90u);
    EXPECT_EQ(NoteShortMessage(NoteEvent(false, 9, 36, 64)), 0x402489u);
    EXPECT_EQ(NoteShortMessage(NoteEvent(true, 15, 127, 0)), 0x007F9Fu);
    snd_seq_event_t controller;
    snd_seq_ev_clear(&controller);
    snd_seq_ev_set_controller(&controller, 0, 7, 100);
    EXPECT_FALSE(NoteShortMessage(controller));
    snd_seq_event_t clock;
    snd_seq_ev_clear(&clock);
    clock.type = SND_SEQ_EVENT_CLOCK;
    EXPECT_FALSE(NoteShortMessage(clock));
}

TEST(AlsaSeqMidiInTest, WithoutASequencerTheInputIsAbsentAndSaysNothing)
{
    if (std::filesystem::exists("/dev/snd/seq"))
        GTEST_SKIP() << "this machine has a sequencer";
    AlsaSeqMidiIn input;
    testing::internal::CaptureStderr();
    bool opened = input.Open();
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(input.IsOpen());
    EXPECT_TRUE(input.PollDescriptors().empty());
    EXPECT_EQ(said, "");
    input.ReadPending([](std::uint32_t) { ADD_FAILURE() << "nothing can arrive"; });
}

TEST(AlsaSeqMidiInTest, NotesPlayedIntoThePortArriveInOrder)
{
    AlsaSeqMidiIn input;
    if (!input.Open())
        GTEST_SKIP() << "the ALSA sequencer cannot be opened here";
    VirtualKeyboard keyboard;
    ASSERT_TRUE(keyboard.Connect(input.Client(), input.Port()));

    snd_seq_port_info_t* info = nullptr;
    snd_seq_port_info_alloca(&info);
    ASSERT_GE(snd_seq_get_any_port_info(keyboard.Handle(), input.Client(), input.Port(), info), 0);
    EXPECT_EQ(std::string(snd_seq_port_info_get_name(info)), "Morvix Music Reference");
    unsigned wanted = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
    EXPECT_EQ(snd_seq_port_info_get_capability(info) & wanted, wanted);

    keyboard.Send(NoteEvent(true, 2, 60, 90));
    snd_seq_event_t controller;
    snd_seq_ev_clear(&controller);
    snd_seq_ev_set_controller(&controller, 2, 64, 127);  // the sustain pedal: not a note
    keyboard.Send(controller);
    keyboard.Send(NoteEvent(true, 2, 64, 80));
    keyboard.Send(NoteEvent(false, 2, 60, 0));
    keyboard.Send(NoteEvent(true, 2, 64, 0));
    EXPECT_EQ(Receive(input, 4), (std::vector<std::uint32_t>{0x5A3C92, 0x504092, 0x003C82, 0x004092}));

    input.Close();
    EXPECT_FALSE(input.IsOpen());
    EXPECT_TRUE(input.PollDescriptors().empty());
}
