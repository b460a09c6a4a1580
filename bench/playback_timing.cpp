// Playback timing on the real clock: plays a real MIDI file through the
// record backend and measures, for every message, how late it was sent
// against its ideal time from the file's tempo map. Prints the median, p99
// and maximum lateness and the drift (how much later the last tenth of the
// file is than the first tenth).
//
// usage: bench_playback_timing [FILE] [--seconds N]
// FILE defaults to the densest file of the openmsx set; --seconds stops the
// playback after N seconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"
#include "midi/MidiTiming.h"
#include "midi/ShortMessage.h"
#include "platform/headless/SteadyClock.h"
#include "platform/midiout/RecordFileMidiOut.h"

namespace {

using Clock = std::chrono::steady_clock;

// The record backend, with the moment of each message in microseconds.
class TimedRecordOut : public IMidiOut {
public:
    TimedRecordOut(const std::string& path, IClock& clock) : record_(path, clock) {}
    bool Open() override { return record_.Open(); }
    void Send(std::uint32_t message) override
    {
        sentAt.push_back(Clock::now());
        record_.Send(message);
    }
    void Close() override { record_.Close(); }
    bool IsOpen() const override { return record_.IsOpen(); }

    std::vector<Clock::time_point> sentAt;

private:
    RecordFileMidiOut record_;
};

// Ideal send times in milliseconds of every record that is sent: each
// delta at the tempo in force before it, summed without rounding.
std::vector<double> IdealTimes(const MidiEventList& list, unsigned division)
{
    std::vector<double> times;
    double ms = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (const MidiEvent& event : list) {
        ms += static_cast<double>(event.delta) * tempo / division / 1000.0;
        if (auto changed = TempoOf(event))
            tempo = *changed;
        if (IsSent(event))
            times.push_back(ms);
    }
    return times;
}

double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}

double Mean(std::vector<double>::const_iterator first, std::vector<double>::const_iterator last)
{
    double sum = 0;
    for (auto it = first; it != last; ++it)
        sum += *it;
    return sum / static_cast<double>(std::distance(first, last));
}

}  // namespace

int main(int argc, char** argv)
{
    std::string path = "/usr/share/games/openttd/baseset/openmsx/keep_on_rolling.mid";
    double seconds = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else
            path = arg;
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    MidiFile file = LoadMidiFile(bytes, MidiPlayer());
    if (file.events.empty() || file.division == 0) {
        std::fprintf(stderr, "cannot play %s\n", path.c_str());
        return 2;
    }
    std::vector<double> ideal = IdealTimes(file.events, file.division);
    if (seconds > 0) {
        auto last = std::find_if(ideal.begin(), ideal.end(), [&](double ms) { return ms > seconds * 1000; });
        std::size_t count = static_cast<std::size_t>(last - ideal.begin());
        std::size_t sent = 0, index = 0;
        for (; index < file.events.size() && sent < count; ++index)
            sent += IsSent(file.events[index]);
        file.events.resize(index);
        ideal.resize(count);
    }
    PlaybackSettings settings;
    settings.list = &file.events;
    settings.division = file.division;
    Clock::time_point origin = Clock::now();  // the clock's 0
    SteadyClock clock;
    TimedRecordOut output("/tmp/morvix-bench-playback.txt", clock);
    MidiPlayer player(MidiPlayerPorts{&output, &clock, nullptr});
    player.SetCurrentDocument(&settings);
    player.SetHead(&file.events, 0);
    player.OpenOutput();
    // The playback counts from the clock's millisecond at its start.
    Clock::time_point start = origin + std::chrono::milliseconds(clock.NowMs());
    player.PlayList(DeltaUnit::DocumentTicks);
    player.CloseOutput();

    std::vector<double> lateness;
    for (std::size_t i = 0; i < output.sentAt.size() && i < ideal.size(); ++i)
        lateness.push_back(std::chrono::duration<double, std::milli>(output.sentAt[i] - start).count() - ideal[i]);
    if (lateness.size() < 20) {
        std::fprintf(stderr, "too few messages\n");
        return 2;
    }
    std::size_t tenth = lateness.size() / 10;
    std::printf("%s: %zu messages over %.1f s\n", path.c_str(), lateness.size(), ideal.back() / 1000);
    std::printf("lateness ms: median %.3f  p99 %.3f  max %.3f  min %.3f\n", Percentile(lateness, 0.5),
                Percentile(lateness, 0.99), *std::max_element(lateness.begin(), lateness.end()),
                *std::min_element(lateness.begin(), lateness.end()));
    std::printf("drift ms (mean lateness of the last tenth less the first): %.3f\n",
                Mean(lateness.end() - static_cast<std::ptrdiff_t>(tenth), lateness.end()) -
                    Mean(lateness.begin(), lateness.begin() + static_cast<std::ptrdiff_t>(tenth)));
    return 0;
}
