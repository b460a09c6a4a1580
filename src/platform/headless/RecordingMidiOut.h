#pragma once
// MIDI output that records each short message with the virtual time it
// was sent at.
#include <cstdint>
#include <vector>

#include "framework/Services.h"

struct RecordedMidiMessage {
    std::int64_t timeMs = 0;
    std::uint32_t message = 0;
};

class RecordingMidiOut : public IMidiOut {
public:
    explicit RecordingMidiOut(IClock& clock) : clock_(clock) {}

    bool Open() override;
    void Send(std::uint32_t shortMessage) override;
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }

    // Makes the next opens fail, as with no output device.
    void SetAvailable(bool available) { available_ = available; }
    const std::vector<RecordedMidiMessage>& Messages() const { return messages_; }
    int OpenCount() const { return opens_; }
    // Messages sent while closed are dropped, as a real device would.
    int DroppedCount() const { return dropped_; }

private:
    IClock& clock_;
    std::vector<RecordedMidiMessage> messages_;
    bool open_ = false;
    bool available_ = true;
    int opens_ = 0;
    int dropped_ = 0;
};
