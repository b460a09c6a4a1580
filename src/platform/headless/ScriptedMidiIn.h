#pragma once
// A MIDI input whose notes a script plays: each injected message goes to
// the receiver at once, on the caller's thread, as a real port's would.
#include <cstdint>

#include "framework/Services.h"

class ScriptedMidiIn : public IMidiIn {
public:
    bool Start(Receiver receiver) override;
    void Stop() override { receiver_ = nullptr; }

    bool Started() const { return static_cast<bool>(receiver_); }
    // False when nothing listens.
    bool Inject(std::uint32_t shortMessage);

private:
    Receiver receiver_;
};
