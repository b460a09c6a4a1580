#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/midiout/SequencerPorts.h"

namespace {

// A machine's sequencer as the listing reads it, made up.
std::vector<SequencerPort> Machine()
{
    return {
        {0, 0, "System", "Timer", false, false},
        {14, 0, "Midi Through", "Midi Through Port-0", true, false},
        {24, 0, "USB2.0-MIDI", "USB2.0-MIDI MIDI 1", true, false},
        {24, 1, "USB2.0-MIDI", "USB2.0-MIDI MIDI 2 (out only)", false, false},
        {128, 0, "TiMidity", "TiMidity port 0", true, false},
        {129, 0, "TiMidity", "TiMidity port 0", true, false},
        {130, 0, "Morvix", "MIDI In", true, true},
        {131, 2, "Synth: A:B", "Port", true, false},
    };
}

std::vector<std::string> Names(const std::vector<MidiOutputEntry>& entries)
{
    std::vector<std::string> names;
    for (const MidiOutputEntry& entry : entries)
        names.push_back(entry.choice + " = " + entry.name);
    return names;
}

}  // namespace

TEST(SequencerPortsTest, OnlyPortsThatTakeNotesAreOfferedByClientAndPortName)
{
    std::vector<SequencerPort> ports = Machine();
    std::swap(ports[1], ports[4]);  // the listing comes in the sequencer's order, not the machine's
    EXPECT_EQ(Names(SequencerOutputs(ports)), (std::vector<std::string>{
                                                  "alsa:Midi Through:0 = Midi Through: Midi Through Port-0 (14:0)",
                                                  "alsa:USB2.0-MIDI:0 = USB2.0-MIDI: USB2.0-MIDI MIDI 1 (24:0)",
                                                  "alsa:128:0 = TiMidity: TiMidity port 0 (128:0)",
                                                  "alsa:129:0 = TiMidity: TiMidity port 0 (129:0)",
                                                  "alsa:Synth: A:B:2 = Synth: A:B: Port (131:2)",
                                              }))
        << "the system's ports, ports that only send and the program's own input are left out; "
           "two clients of one name are told apart by number";
    EXPECT_TRUE(SequencerOutputs({}).empty()) << "no sequencer, no ports";
}

TEST(SequencerPortsTest, AStoredChoiceFindsItsPortByNameOrNumber)
{
    const std::vector<SequencerPort> ports = Machine();
    EXPECT_EQ(FindSequencerPort("USB2.0-MIDI:0", ports), "24:0");
    EXPECT_EQ(FindSequencerPort("24:0", ports), "24:0");
    EXPECT_EQ(FindSequencerPort("Synth: A:B:2", ports), "131:2") << "a name holding colons";
    EXPECT_EQ(FindSequencerPort("USB2.0-MIDI:5", ports), std::nullopt) << "no such port of that client";
    EXPECT_EQ(FindSequencerPort("Gone:0", ports), std::nullopt);
    EXPECT_EQ(FindSequencerPort("24:", ports), std::nullopt);
    EXPECT_EQ(FindSequencerPort("24", ports), std::nullopt);
    EXPECT_EQ(FindSequencerPort("USB2.0-MIDI:0x", ports), std::nullopt);
}
