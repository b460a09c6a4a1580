#pragma once
// What the playback timing benchmarks share: the file and the options they
// take, an output that notes when each message leaves, the ideal times from
// the file's tempo map, and the printed figures (median, p99 and maximum
// lateness, drift).
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Services.h"
#include "midi/MidiFile.h"

using BenchClock = std::chrono::steady_clock;

struct TimingOptions {
    // A dense file of the openmsx set.
    std::string path = "/usr/share/games/openttd/baseset/openmsx/keep_on_rolling.mid";
    double seconds = 0;  // 0: the whole file
};

// usage: [FILE] [--seconds N]
TimingOptions ReadTimingOptions(int argc, char** argv);

// The file as a MIDI window loads it; no events when it cannot be read.
MidiFile LoadTimedFile(const std::string& path);

// Passes every message on to another output, noting the moment it left.
class TimedMidiOut : public IMidiOut {
public:
    explicit TimedMidiOut(IMidiOut& inner) : inner_(inner) {}
    bool Open() override { return inner_.Open(); }
    void Send(std::uint32_t message) override
    {
        sentAt.push_back(BenchClock::now());
        inner_.Send(message);
    }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }

    std::vector<BenchClock::time_point> sentAt;

private:
    IMidiOut& inner_;
};

// Ideal send times in milliseconds of every record that is sent: each
// delta at the tempo in force before it, summed without rounding.
std::vector<double> IdealTimes(const MidiEventList& list, unsigned division);

// Prints the lateness of each sent message against its ideal time counted
// from start, pairing them in order as far as both go. False when too few
// messages were sent to tell.
bool PrintLateness(const std::string& path, const std::vector<BenchClock::time_point>& sentAt,
                   BenchClock::time_point start, const std::vector<double>& ideal);
