#pragma once
// A stand-in for MIDI output until the sound backends are wired in: it
// accepts every message and makes no sound.
#include "framework/Services.h"

class SilentMidiOut : public IMidiOut {
public:
    bool Open() override;
    void Send(std::uint32_t) override {}
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }

private:
    bool open_ = false;
};
