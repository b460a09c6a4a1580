#include "midi/MidiLoader.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "midi/MidiChunks.h"
#include "midi/MidiMeasureTrack.h"
#include "midi/MidiMerge.h"
#include "midi/MidiTiming.h"
#include "midi/MidiTrackReader.h"
#include "midi/PlayListLookup.h"

namespace {

// A note takes three or four bytes of a file, and two records and a hundred
// characters of texts (its track's and the play list's) in the arena. Pages
// of the arena never touched cost nothing, so this errs on the large side.
constexpr std::size_t kArenaPerFileByte = 64;

struct ParseSummary {
    std::vector<TimeSignatureMark> timeSignatures;
    std::uint64_t trackEnd = 0;  // the latest end of any track
};

// Gives the track's records their absolute times and collects what the
// measure track and the program summary need.
void ScanTrack(MidiTrack& track, MidiFile& file, ParseSummary& summary)
{
    std::uint64_t time = 0;
    for (MidiEvent& event : track.events) {
        time += event.delta;
        event.time = time;
        if (event.kind == MidiKind::Program) {
            file.programSummary += ';';
            file.programSummary += event.text;
        } else if (event.kind == MidiKind::TimeSignature) {
            summary.timeSignatures.push_back({time, event.data[0], event.data[1]});
        }
    }
    summary.trackEnd = std::max(summary.trackEnd, time);
    file.lineCount += track.events.size();
}

// A payload running past the end of a whole track loses the records after
// it. A track the file itself cut short has been warned about already.
void WarnOfOverrun(MidiFile& file, std::size_t number, std::uint64_t overrunEnd)
{
    const MidiTrack& track = file.tracks[number - 1];
    if (overrunEnd == 0 || track.data.size() < track.length)
        return;
    file.notices.push_back({TrackCutShortText(number, track.data.size(), overrunEnd),
                            MidiNoticeIcon::Warning});
}

ParseSummary ParseTracks(MidiFile& file, const MidiPlayer& player,
                         const std::shared_ptr<MidiArena>& texts)
{
    ParseSummary summary;
    file.programSummary = "Channel Program Events:";
    file.lineCount = 5;
    for (std::size_t i = 0; i < file.tracks.size(); ++i) {
        MidiTrack& track = file.tracks[i];
        TrackReading reading = ReadTrack(track.data, player, texts);
        track.events = std::move(reading.events);
        WarnOfOverrun(file, i + 1, reading.overrunEnd);
        ScanTrack(track, file, summary);
    }
    file.parsed = true;
    return summary;
}

void MergeAll(MidiFile& file, const std::shared_ptr<MidiArena>& texts)
{
    file.events = MergeTracks(PlayListSources(file), texts);
}

void ReportMerge(MidiFile& file)
{
    const unsigned long long ms = RunningTimeMs(file.events, file.division);
    char text[160];
    std::snprintf(text, sizeof text,
                  " Merged %zu events, counted as %llu ms running time, or %02llu:%02llu:%02llu ",
                  CountEvents(file.events), ms, ms / 3600000 % 24, ms / 60000 % 60, ms / 1000 % 60);
    file.notices.push_back({text, MidiNoticeIcon::Information});
}

}  // namespace

MidiFile LoadMidiFile(std::span<const std::uint8_t> bytes, const MidiPlayer& player)
{
    MidiFile file;
    if (!ReadMidiChunks(bytes, file))
        return file;
    // One arena for the whole file packs its records and texts densely.
    const auto texts = std::make_shared<MidiArena>(bytes.size() * kArenaPerFileByte);
    const ParseSummary summary = ParseTracks(file, player, texts);
    // In SMPTE time the bars count quarter notes at the default tempo.
    MeasureTrack measures = BuildMeasureTrack(summary.timeSignatures, summary.trackEnd,
                                              MidiTimeBase::FromDivision(file.division).TicksPerQuarter());
    file.measureTrack = std::move(measures.events);
    if (measures.capped)
        file.notices.push_back({"Too many measures: bar markers end after "
                                    + std::to_string(kMaxMeasureBars) + " bars.",
                                MidiNoticeIcon::Warning});
    MergeAll(file, texts);
    ReportMerge(file);
    return file;
}
