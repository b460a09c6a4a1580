#pragma once
// An output that opens and takes every message without sounding anything.
#include "framework/Services.h"

class NullMidiOut : public IMidiOut {
public:
    bool Open() override { return open_ = true; }
    void Send(std::uint32_t) override {}
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }

private:
    bool open_ = false;
};
