#pragma once
// Which notes sound, channel by channel, as the messages that start and end
// them pass: a note on starts one, a note off (or a note on of velocity 0)
// ends it, All Notes Off and All Sound Off end a channel's.
#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

inline constexpr int kPercussionChannel = 9;  // MIDI channel 10

class SoundingNotes {
public:
    // True when it changed what sounds.
    bool Apply(std::uint32_t shortMessage);
    void Clear() { channels_ = {}; }
    bool Empty() const;

    // The notes sounding on the pitched channels (every one but the
    // percussion channel), each once, lowest first.
    std::vector<int> PitchedNotes() const;
    // The note offs that would end every note sounding.
    std::vector<std::uint32_t> NoteOffs() const;

private:
    std::array<std::bitset<128>, 16> channels_{};
};
