#pragma once
// The one MIDI output device, shared by everything that sounds: the player
// while it plays, the keyboard input window while it records, an outside
// keyboard once it has played. Each holds the device while it needs it,
// and the device closes when the last of them lets go, so one user ending
// never silences another. Messages may come from the timing thread as well
// as the application's.
#include <cstdint>
#include <mutex>
#include <vector>

#include "framework/Services.h"

class MidiOutput {
public:
    explicit MidiOutput(IMidiOut* device = nullptr) : device_(device) {}

    // Opens the device unless it is open already; false, holding nothing,
    // when there is no device or it cannot be opened. Holding twice is
    // holding once.
    bool Hold(const void* user);
    void Release(const void* user);
    bool HeldBy(const void* user) const;
    bool IsOpen() const;
    // Dropped while the device is closed, as a device would drop it.
    void Send(std::uint32_t message);

private:
    mutable std::mutex mutex_;
    IMidiOut* device_;
    std::vector<const void*> users_;
};
