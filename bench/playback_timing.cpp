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
#include <cstdio>

#include "PlaybackLateness.h"
#include "midi/MidiPlayer.h"
#include "midi/ShortMessage.h"
#include "platform/headless/SteadyClock.h"
#include "platform/midiout/RecordFileMidiOut.h"

int main(int argc, char** argv)
{
    TimingOptions options = ReadTimingOptions(argc, argv);
    MidiFile file = LoadTimedFile(options.path);
    if (file.events.empty() || file.division == 0) {
        std::fprintf(stderr, "cannot play %s\n", options.path.c_str());
        return 2;
    }
    std::vector<double> ideal = IdealTimes(file.events, file.division);
    if (options.seconds > 0) {
        auto last = std::find_if(ideal.begin(), ideal.end(), [&](double ms) { return ms > options.seconds * 1000; });
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
    BenchClock::time_point origin = BenchClock::now();  // the clock's 0
    SteadyClock clock;
    RecordFileMidiOut record("/tmp/morvix-bench-playback.txt", clock);
    TimedMidiOut output(record);
    MidiPlayer player(MidiPlayerPorts{&output, &clock, nullptr});
    player.SetCurrentDocument(&settings);
    player.SetHead(&file.events, 0);
    player.OpenOutput();
    // The playback counts from the clock's millisecond at its start.
    BenchClock::time_point start = origin + std::chrono::milliseconds(clock.NowMs());
    player.PlayList(DeltaUnit::DocumentTicks);
    player.CloseOutput();
    return PrintLateness(options.path, output.sentAt, start, ideal) ? 0 : 2;
}
