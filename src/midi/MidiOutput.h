#pragma once
// The one MIDI output device, shared by everything that sounds: the player
// while it plays, the keyboard input window while it records, an outside
// keyboard once it has played. Each holds the device while it needs it,
// and the device closes when the last of them lets go, so one user ending
// never silences another. Messages may come from the timing thread as well
// as the application's.
//
// Another device can take the place of the one in use at any time (Sound
// Settings): the old one closes, the new one opens if anyone holds the
// output and hears the channels' programs and controllers, and the volume
// carries over.
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "framework/Services.h"
#include "midi/ChannelMemory.h"

// What the application hears from the output, on its own thread and never
// while the output is locked, so it may show a message or switch devices.
class IMidiOutputObserver {
public:
    virtual ~IMidiOutputObserver() = default;
    // The device opened with something to tell the user.
    virtual void OutputNotice(const std::string& text) = 0;
    // The device could not be opened. True when another device was put in
    // its place, which is then tried once.
    virtual bool OutputFailed() = 0;
};

class MidiOutput {
public:
    explicit MidiOutput(IMidiOut* device = nullptr) : device_(device) {}

    void SetObserver(IMidiOutputObserver* observer) { observer_ = observer; }

    // Opens the device unless it is open already; false, holding nothing,
    // when there is no device or it cannot be opened. Holding twice is
    // holding once.
    bool Hold(const void* user);
    void Release(const void* user);
    bool HeldBy(const void* user) const;
    bool IsOpen() const;
    // Dropped while the device is closed, as a device would drop it.
    void Send(std::uint32_t message);

    // Puts device in the place of the one in use, which closes. False when
    // the output is held and the new device cannot be opened; notice is what
    // it had to say when it opened.
    bool SwitchDevice(IMidiOut* device, std::string& notice);
    IMidiOut* Device() const;
    // 0 to 100 percent; at once, and for every device from now on.
    void SetVolume(int percent);
    int Volume() const;

private:
    bool TryHold(const void* user, std::string& notice);
    // With the lock held.
    bool OpenDevice(std::string& notice);

    mutable std::mutex mutex_;
    IMidiOut* device_;
    IMidiOutputObserver* observer_ = nullptr;
    std::vector<const void*> users_;
    ChannelMemory channels_;
    // The device has not heard the channels' settings yet.
    bool replayDue_ = false;
    int volume_ = 100;
};
