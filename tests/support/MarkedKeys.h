#pragma once
// The keys of the keyboard input window that show "*": held by the
// computer or an outside keyboard, or sounding in its own playback.
#include <vector>

#include "midi/KeyboardInputDoc.h"

inline std::vector<int> MarkedKeys(const CKeyboardInputDoc& recorder)
{
    std::vector<int> keys;
    for (int key = 0; key < kRecorderKeyCount; ++key)
        if (recorder.KeyMarked(key))
            keys.push_back(key);
    return keys;
}
