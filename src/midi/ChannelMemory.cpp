#include "midi/ChannelMemory.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kResetAllControllers = 121;

}  // namespace

void ChannelMemory::Note(std::uint32_t message)
{
    const std::uint32_t status = message & 0xFF;
    Channel& channel = channels_[status & 0x0F];
    const int data1 = static_cast<int>(message >> 8 & 0x7F);
    const int data2 = static_cast<int>(message >> 16 & 0x7F);
    switch (status & 0xF0) {
    case 0xB0:
        if (data1 < kControllers) {
            channel.value[static_cast<std::size_t>(data1)] = static_cast<std::uint8_t>(data2);
            channel.setAt[static_cast<std::size_t>(data1)] = ++clock_;
        } else if (data1 == kResetAllControllers) {
            channel.setAt.fill(0);
            channel.bend = -1;
        }
        break;
    case 0xC0: channel.program = data1; break;
    case 0xE0: channel.bend = data1 | data2 << 7; break;
    default: break;
    }
}

void ChannelMemory::Replay(const std::function<void(std::uint32_t message)>& send) const
{
    for (std::uint32_t number = 0; number < channels_.size(); ++number) {
        const Channel& channel = channels_[number];
        std::vector<int> set;
        for (int controller = 0; controller < kControllers; ++controller)
            if (channel.setAt[static_cast<std::size_t>(controller)] != 0)
                set.push_back(controller);
        std::sort(set.begin(), set.end(), [&](int a, int b) {
            return channel.setAt[static_cast<std::size_t>(a)] < channel.setAt[static_cast<std::size_t>(b)];
        });
        for (int controller : set)
            send((0xB0 | number) | static_cast<std::uint32_t>(controller) << 8 |
                 static_cast<std::uint32_t>(channel.value[static_cast<std::size_t>(controller)]) << 16);
        if (channel.program >= 0)
            send((0xC0 | number) | static_cast<std::uint32_t>(channel.program) << 8);
        if (channel.bend >= 0)
            send((0xE0 | number) | static_cast<std::uint32_t>(channel.bend & 0x7F) << 8 |
                 static_cast<std::uint32_t>(channel.bend >> 7) << 16);
    }
}
