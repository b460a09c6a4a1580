// Playback timing on the real clock: plays a real MIDI file through the
// timing thread and the record backend, with nothing else to do on the
// application's thread, and measures, for every message, how late it was sent
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
#include "platform/midiout/CallQueue.h"
#include "platform/midiout/RecordFileMidiOut.h"
#include "platform/midiout/SenderThread.h"
#include "platform/midiout/SteadyClock.h"

int main(int argc, char** argv)
{
    TimingOptions options = ReadTimingOptions(argc, argv);
    MidiFile file = LoadTimedFile(options.path);
    if (file.playList.empty() || file.division == 0) {
        std::fprintf(stderr, "cannot play %s\n", options.path.c_str());
        return 2;
    }
    std::vector<double> ideal = IdealTimes(file.playList, file.division);
    // The records played, copied in play order up to the time asked for.
    MidiEventList played;
    std::size_t sent = 0;
    const auto last = std::find_if(ideal.begin(), ideal.end(), [&](double ms) { return ms > options.seconds * 1000; });
    const std::size_t count = options.seconds > 0 ? static_cast<std::size_t>(last - ideal.begin()) : ideal.size();
    for (std::size_t index = 0; index < file.playList.size() && sent < count; ++index) {
        played.push_back(file.playList[index]);
        sent += IsSent(file.playList[index]);
    }
    ideal.resize(count);
    const PlayList list = PlayList::InOrder(played);
    PlaybackSettings settings;
    settings.list = &list;
    settings.division = file.division;
    SteadyClock clock;
    StartWatchClock watch(clock);
    RecordFileMidiOut record("/tmp/morvix-bench-playback.txt", clock);
    TimedMidiOut output(record);
    CallQueue calls;
    SenderThread sender(clock, [&calls](std::function<void()> call) { calls.Post(std::move(call)); });
    MidiPlayer player(MidiPlayerPorts{&output, &watch, &sender, nullptr});
    watch.Arm();
    PlaybackRequest request;
    request.list = &list;
    request.document = &settings;
    if (player.Start(std::move(request)) != PlaybackStart::Started) {
        std::fprintf(stderr, "cannot play %s\n", options.path.c_str());
        return 2;
    }
    calls.RunUntil([&player] { return !player.Playing(); });
    return PrintLateness(options.path, output.SentAt(), *watch.Start(), ideal) ? 0 : 2;
}
