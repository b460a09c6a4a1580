#pragma once
// What the playback timing benchmarks share: the file and the options they
// take, an output that notes when each message leaves, the ideal times from
// the file's tempo map, and the printed figures (median, p99 and maximum
// lateness, drift).
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "framework/Services.h"
#include "midi/MidiFile.h"
#include "platform/midiout/SteadyClock.h"

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

// Passes every message on to another output, noting the moment it left,
// until told to stop noting (before a Stop, whose own messages do not count).
class TimedMidiOut : public IMidiOut {
public:
    // Room for every message of a long file, written once so that its pages
    // are there: the timing thread sends, and should wait neither on the
    // allocator nor on a page fault to note it.
    explicit TimedMidiOut(IMidiOut& inner) : inner_(inner)
    {
        sentAt_.resize(1 << 18);
        sentAt_.clear();
    }
    bool Open() override { return inner_.Open(); }
    void Send(std::uint32_t message) override
    {
        {
            std::lock_guard lock(mutex_);
            if (!frozen_)
                sentAt_.push_back(BenchClock::now());
        }
        inner_.Send(message);
    }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }

    void Freeze()
    {
        std::lock_guard lock(mutex_);
        frozen_ = true;
    }
    std::vector<BenchClock::time_point> SentAt() const
    {
        std::lock_guard lock(mutex_);
        return sentAt_;
    }

private:
    IMidiOut& inner_;
    mutable std::mutex mutex_;
    std::vector<BenchClock::time_point> sentAt_;
    bool frozen_ = false;
};

// Reads the steady clock and notes the first reading after Arm(): the
// player reads the clock first when it starts counting, so that reading is
// the playback's start, to the millisecond the player counts from.
class StartWatchClock : public IClock {
public:
    explicit StartWatchClock(SteadyClock& clock) : clock_(clock) {}
    std::int64_t NowMs() override
    {
        const std::int64_t ms = clock_.NowMs();
        if (armed_ && !first_)
            first_ = ms;
        return ms;
    }
    void Arm()
    {
        armed_ = true;
        first_.reset();
    }
    std::optional<BenchClock::time_point> Start() const
    {
        if (!first_)
            return std::nullopt;
        return clock_.Start() + std::chrono::milliseconds(*first_);
    }

private:
    SteadyClock& clock_;
    bool armed_ = false;
    std::optional<std::int64_t> first_;
};

// Ideal send times in milliseconds of every record that is sent: each
// delta at the tempo in force before it, summed without rounding.
std::vector<double> IdealTimes(const PlayList& list, unsigned division);

// Prints the lateness of each sent message against its ideal time counted
// from start, pairing them in order as far as both go. False when too few
// messages were sent to tell.
bool PrintLateness(const std::string& path, const std::vector<BenchClock::time_point>& sentAt,
                   BenchClock::time_point start, const std::vector<double>& ideal);
