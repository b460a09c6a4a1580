#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "midi/ChannelMemory.h"

namespace {

std::vector<std::uint32_t> Replayed(const ChannelMemory& memory)
{
    std::vector<std::uint32_t> sent;
    memory.Replay([&](std::uint32_t message) { sent.push_back(message); });
    return sent;
}

}  // namespace

TEST(ChannelMemoryTest, EachChannelReplaysItsControllersInOrderThenProgramThenBend)
{
    ChannelMemory memory;
    EXPECT_TRUE(Replayed(memory).empty()) << "nothing set, nothing sent";
    memory.Note(0x0000B1);  // channel 2: bank select 0
    memory.Note(0x3007B0);  // channel 1: volume 48
    memory.Note(0x0520B1);  // channel 2: bank select LSB 5
    memory.Note(0x0018C1);  // channel 2: program 24
    memory.Note(0x643C90);  // a note: nothing lasting
    memory.Note(0x7F07B0);  // channel 1: volume again, now 127
    memory.Note(0x000AB0);  // channel 1: pan 0, set after the volume
    memory.Note(0x4000E0);  // channel 1: bend centre
    memory.Note(0x0000C1 | 30 << 8);  // channel 2: program 30 replaces 24
    EXPECT_EQ(Replayed(memory), (std::vector<std::uint32_t>{0x7F07B0, 0x000AB0, 0x4000E0,  //
                                                             0x0000B1, 0x0520B1, 0x001EC1}));
}

TEST(ChannelMemoryTest, ResetAllControllersForgetsTheControllersAndBendButNotTheProgram)
{
    ChannelMemory memory;
    memory.Note(0x5007B3);
    memory.Note(0x2000E3);
    memory.Note(0x0005C3);
    memory.Note(0x0079B3);  // reset all controllers
    EXPECT_EQ(Replayed(memory), (std::vector<std::uint32_t>{0x0005C3}));
    memory.Note(0x0040B3 | 0x7F << 16);  // sustain after the reset is kept again
    EXPECT_EQ(Replayed(memory), (std::vector<std::uint32_t>{0x7F40B3, 0x0005C3}));
}
