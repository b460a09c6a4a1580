#pragma once
// The output chosen could not be made (an unknown choice, the synthesizer
// module missing): it never opens, and says why when asked.
#include <string>
#include <utility>

#include "framework/Services.h"

class UnavailableMidiOut : public IMidiOut {
public:
    explicit UnavailableMidiOut(std::string why) : why_(std::move(why)) {}

    bool Open() override { return false; }
    void Send(std::uint32_t) override {}
    void Close() override {}
    bool IsOpen() const override { return false; }
    std::string Tried() const override { return why_; }

private:
    std::string why_;
};
