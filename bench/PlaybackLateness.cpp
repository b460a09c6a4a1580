#include "PlaybackLateness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"
#include "midi/MidiTiming.h"
#include "midi/ShortMessage.h"

namespace {

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

TimingOptions ReadTimingOptions(int argc, char** argv)
{
    TimingOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc)
            options.seconds = std::atof(argv[++i]);
        else
            options.path = arg;
    }
    return options;
}

MidiFile LoadTimedFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return LoadMidiFile(bytes, MidiPlayer());
}

std::vector<double> IdealTimes(const PlayList& list, unsigned division)
{
    std::vector<double> times;
    double ms = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const MidiEvent& event = list[i];
        ms += static_cast<double>(list.Delta(i)) * tempo / division / 1000.0;
        if (auto changed = TempoOf(event))
            tempo = *changed;
        if (IsSent(event))
            times.push_back(ms);
    }
    return times;
}

bool PrintLateness(const std::string& path, const std::vector<BenchClock::time_point>& sentAt,
                   BenchClock::time_point start, const std::vector<double>& ideal)
{
    std::vector<double> lateness;
    for (std::size_t i = 0; i < sentAt.size() && i < ideal.size(); ++i)
        lateness.push_back(std::chrono::duration<double, std::milli>(sentAt[i] - start).count() - ideal[i]);
    if (lateness.size() < 20) {
        std::fprintf(stderr, "too few messages\n");
        return false;
    }
    auto tenth = static_cast<std::ptrdiff_t>(lateness.size() / 10);
    std::printf("%s: %zu messages over %.1f s\n", path.c_str(), lateness.size(), ideal[lateness.size() - 1] / 1000);
    const auto latest = std::max_element(lateness.begin(), lateness.end());
    std::printf("lateness ms: median %.3f  p99 %.3f  max %.3f (at %.1f s)  min %.3f\n", Percentile(lateness, 0.5),
                Percentile(lateness, 0.99), *latest, ideal[static_cast<std::size_t>(latest - lateness.begin())] / 1000,
                *std::min_element(lateness.begin(), lateness.end()));
    std::printf("drift ms (mean lateness of the last tenth less the first): %.3f\n",
                Mean(lateness.end() - tenth, lateness.end()) - Mean(lateness.begin(), lateness.begin() + tenth));
    return true;
}
