#pragma once
// What each channel of an output has been set to: its bank and controllers,
// its program and its pitch bend, as the messages sent through it left
// them. Another device put in the output's place hears them again, so a
// file playing on keeps its instruments.
#include <array>
#include <cstdint>
#include <functional>

class ChannelMemory {
public:
    // Notes the message's lasting effect, if it has one.
    void Note(std::uint32_t message);
    // Sends each channel's setting: controllers in the order they were last
    // set (a bank select before the program it selects, a parameter number
    // before its data), then the program, then the pitch bend.
    void Replay(const std::function<void(std::uint32_t message)>& send) const;

private:
    static constexpr int kControllers = 120;  // 120 and up are channel modes, not settings

    struct Channel {
        std::array<std::uint8_t, kControllers> value{};
        std::array<std::uint32_t, kControllers> setAt{};  // 0: not set
        int program = -1;
        int bend = -1;
    };

    std::array<Channel, 16> channels_{};
    std::uint32_t clock_ = 0;
};
