#include "midi/SoundingNotes.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kAllSoundOff = 120;
constexpr std::uint32_t kAllNotesOff = 123;

}  // namespace

bool SoundingNotes::Apply(std::uint32_t message)
{
    const std::uint32_t status = message & 0xF0;
    std::bitset<128>& channel = channels_[message & 0x0F];
    const std::size_t data1 = (message >> 8) & 0x7F;
    const std::uint32_t data2 = (message >> 16) & 0x7F;
    if (status == 0xB0 && (data1 == kAllSoundOff || data1 == kAllNotesOff)) {
        const bool sounded = channel.any();
        channel.reset();
        return sounded;
    }
    if (status != 0x90 && status != 0x80)
        return false;
    const bool on = status == 0x90 && data2 != 0;
    if (channel.test(data1) == on)
        return false;
    channel.set(data1, on);
    return true;
}

bool SoundingNotes::Empty() const
{
    return std::none_of(channels_.begin(), channels_.end(), [](const std::bitset<128>& notes) { return notes.any(); });
}

std::vector<int> SoundingNotes::PitchedNotes() const
{
    std::bitset<128> all;
    for (std::size_t channel = 0; channel < channels_.size(); ++channel)
        if (channel != kPercussionChannel)
            all |= channels_[channel];
    std::vector<int> notes;
    for (std::size_t note = 0; note < all.size(); ++note)
        if (all.test(note))
            notes.push_back(static_cast<int>(note));
    return notes;
}

std::vector<std::uint32_t> SoundingNotes::NoteOffs() const
{
    std::vector<std::uint32_t> offs;
    for (std::uint32_t channel = 0; channel < channels_.size(); ++channel)
        for (std::uint32_t note = 0; note < 128; ++note)
            if (channels_[channel].test(note))
                offs.push_back(0x80 | channel | note << 8);
    return offs;
}
