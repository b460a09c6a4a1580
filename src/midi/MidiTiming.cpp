#include "midi/MidiTiming.h"

#include <cmath>

namespace {

constexpr std::uint64_t kMicrosPerSecond = 1000000;

// 29.97 frames a second: 30000 frames every 1001 seconds.
constexpr int kDropFrameRate = 29;
constexpr std::uint64_t kDropFrames = 30000;
constexpr std::uint64_t kDropSeconds = 1001;

// A quarter note at the default tempo is half a second.
constexpr std::uint64_t kQuartersPerSecond = 2;

}  // namespace

std::optional<std::uint32_t> TempoOf(const MidiEvent& event)
{
    if (event.kind != MidiKind::SetTempo || event.data.size() < 3)
        return std::nullopt;
    const std::uint32_t tempo = static_cast<std::uint32_t>(event.data[0]) << 16
                                | static_cast<std::uint32_t>(event.data[1]) << 8 | event.data[2];
    if (tempo == 0)
        return std::nullopt;
    return tempo;
}

std::uint64_t TicksToMs(std::uint64_t delta, std::uint32_t tempo, unsigned division)
{
    if (division == 0)
        return 0;
    // delta * tempo / (division * 1000) without the product overflowing 64
    // bits; one division when it cannot overflow, as for any real delta.
    const std::uint64_t divisor = static_cast<std::uint64_t>(division) * 1000;
    if (delta <= UINT32_MAX)
        return delta * tempo / divisor;
    return delta / divisor * tempo + delta % divisor * tempo / divisor;
}

MidiTimeBase MidiTimeBase::FromDivision(unsigned division)
{
    MidiTimeBase base;
    if ((division & 0x8000) == 0) {
        base.denominator_ = division;
        base.ticksPerQuarter_ = division;
        return base;
    }
    const int framesPerSecond = -static_cast<std::int8_t>(division >> 8 & 0xFF);
    const std::uint64_t ticksPerFrame = division & 0xFF;
    base.followsTempo_ = false;
    if (framesPerSecond == kDropFrameRate) {
        base.fixedWeight_ = kMicrosPerSecond * kDropSeconds;
        base.denominator_ = kDropFrames * ticksPerFrame;
    } else {
        base.fixedWeight_ = kMicrosPerSecond;
        base.denominator_ = static_cast<std::uint64_t>(framesPerSecond) * ticksPerFrame;
    }
    const std::uint64_t ticksPerSecond = base.denominator_ * kMicrosPerSecond / base.fixedWeight_;
    base.ticksPerQuarter_ = static_cast<unsigned>(ticksPerSecond / kQuartersPerSecond);
    return base;
}

MidiTimeBase MidiTimeBase::Milliseconds()
{
    MidiTimeBase base;
    base.followsTempo_ = false;
    base.fixedWeight_ = 1000;
    base.denominator_ = 1;
    base.ticksPerQuarter_ = kDefaultTempo / 1000;
    return base;
}

void TickClock::Pass(std::uint64_t ticks, const MidiEvent& event)
{
    PassTicks(ticks);
    if (const auto tempo = TempoOf(event))
        tempo_ = *tempo;
}

double TickClock::Ms(Weight weight) const
{
    const std::uint64_t denominator = base_.Denominator();
    if (denominator == 0)
        return 0;
    return static_cast<double>(weight / denominator) / 1000.0 +
           static_cast<double>(weight % denominator) / static_cast<double>(denominator) / 1000.0;
}

// The ticks between two tempo records pass at one tempo, so they are
// counted in one step.
std::uint64_t RunningTimeMs(const PlayList& list, unsigned division)
{
    TickClock clock(MidiTimeBase::FromDivision(division));
    std::uint64_t since = 0;  // the time of the last tempo record
    for (const MidiEvent& event : list) {
        if (event.kind != MidiKind::SetTempo)
            continue;
        clock.Pass(event.time - since, event);
        since = event.time;
    }
    if (!list.empty())
        clock.PassTicks(list[list.size() - 1].time - since);
    return static_cast<std::uint64_t>(std::llround(clock.Ms()));
}
