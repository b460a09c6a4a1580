#include "midi/RecorderKeys.h"

#include <array>

namespace {

// Key codes in recorder key order: letters and digits by their upper-case
// character, Tab 9, Backspace 8, punctuation by US virtual key codes.
constexpr std::array<int, kRecorderKeyCount> kKeyCodes{
    'Z', 'S', 'X', 'D', 'C', 'V', 'G', 'B', 'H', 'N', 'J', 'M', 188, 'L', 190, 186, 191, 9, '1', 'Q', '2',
    'W', '3', 'E', 'R', '5', 'T', '6', 'Y', 'U', '8', 'I', '9', 'O', '0', 'P', 219, 187, 221, 8, 220,
};

}  // namespace

std::optional<int> RecorderKeyFor(int keyCode)
{
    if (keyCode >= 'a' && keyCode <= 'z')
        keyCode -= 'a' - 'A';
    for (int i = 0; i < kRecorderKeyCount; ++i)
        if (kKeyCodes[static_cast<std::size_t>(i)] == keyCode)
            return i;
    return std::nullopt;
}
