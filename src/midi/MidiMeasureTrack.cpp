#include "midi/MidiMeasureTrack.h"

#include <algorithm>

namespace {

// Finds the bar lines first, then makes the records at once: a few bytes
// of file can ask for thousands of them.
class MeasureBuilder {
public:
    MeasureBuilder(MeasureTrack& track, unsigned division) : track_(track), lead_(division / 17)
    {
        track_.ticks.push_back(0);
    }

    // The head, then a marker `lead_` ticks before each bar line, naming
    // the bar that starts there: bar 1 starts at the beginning, without one.
    void Finish()
    {
        track_.events.reserve(track_.ticks.size());
        MidiEvent& head = track_.events.emplace_back();
        head.kind = MidiKind::SyntheticHead;
        head.data = MidiBytes{'T', 'i', 'm', 'e', 's'};
        MidiEvent marker;
        marker.kind = MidiKind::MeasureBar;
        marker.data = MidiBytes{'B', 'A', 'R'};
        marker.isMeasureBar = true;
        for (std::size_t i = 1; i < track_.ticks.size(); ++i) {
            const std::uint64_t line = track_.ticks[i];
            marker.time = std::min(line > lead_ ? line - lead_ : 0, kMaxTick);
            track_.events.push_back(marker);
        }
    }

    // Bars of `length` ticks up to the first one at or past `end`.
    void FillThrough(std::uint64_t length, std::uint64_t end)
    {
        if (length == 0)
            return;
        track_.ticks.reserve(std::min<std::uint64_t>(end / length + 2, kMaxMeasureBars + 1));
        do {
            position_ += length;
        } while (Mark() && position_ < end);
    }

    // Bars of `length` ticks while they fall short of `end`, or reach it when
    // `end` is where the next time signature starts: that bar line is the
    // last one of the old signature.
    void FillBefore(std::uint64_t length, std::uint64_t end, bool throughEnd)
    {
        if (length == 0)
            return;
        while (position_ + length < end || (throughEnd && position_ + length == end)) {
            position_ += length;
            if (!Mark())
                return;
        }
    }

private:
    bool Mark()
    {
        if (track_.ticks.size() > kMaxMeasureBars) {
            track_.capped = true;
            return false;
        }
        track_.ticks.push_back(position_);
        return true;
    }

    MeasureTrack& track_;
    std::uint64_t lead_;
    std::uint64_t position_ = 0;
};

}  // namespace

std::uint64_t MeasureLength(unsigned numerator, unsigned denominatorPower, unsigned division)
{
    if (denominatorPower >= 64)
        return 0;
    return (static_cast<std::uint64_t>(numerator) * division * 4) >> denominatorPower;
}

MeasureTrack BuildMeasureTrack(std::span<const TimeSignatureMark> marks, std::uint64_t trackEnd,
                               unsigned division)
{
    MeasureTrack track;
    MeasureBuilder builder(track, division);
    if (marks.empty() && trackEnd > 0)
        builder.FillThrough(MeasureLength(4, 2, division), trackEnd);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const bool last = i + 1 == marks.size();
        builder.FillBefore(MeasureLength(marks[i].numerator, marks[i].denominatorPower, division),
                           last ? trackEnd : marks[i + 1].time, !last);
    }
    builder.Finish();
    return track;
}
