#include "midi/MidiLoader.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "midi/MidiChunks.h"
#include "midi/MidiDescriptions.h"
#include "midi/MidiMeasureTrack.h"
#include "midi/MidiMerge.h"
#include "midi/MidiPlayer.h"
#include "midi/MidiRecordCount.h"
#include "midi/MidiTiming.h"
#include "midi/MidiTrackReader.h"

namespace {

struct ParseSummary {
    std::vector<TimeSignatureMark> timeSignatures;
    std::uint64_t trackEnd = 0;  // the latest end of any track
};

// Collects what the measure track and the program summary need.
void ScanTrack(std::size_t number, MidiFile& file, const MidiPlayer& names, ParseSummary& summary)
{
    const std::span<const MidiEvent> events = file.TrackEvents(number);
    std::uint64_t before = 0;
    for (const MidiEvent& event : events) {
        if (event.kind == MidiKind::Program) {
            file.programSummary += ';';
            AppendRecordLine(file.programSummary, event, event.time, event.time - before, names.noteTable,
                             names.programNames);
        } else if (event.kind == MidiKind::TimeSignature) {
            summary.timeSignatures.push_back({event.time, event.data[0], event.data[1]});
        }
        before = event.time;
    }
    summary.trackEnd = std::max<std::uint64_t>(summary.trackEnd, before);
    file.lineCount += events.size();
}

// A payload running past the end of a whole track loses the records after
// it. A track the file itself cut short has been warned about already.
void WarnOfOverrun(MidiFile& file, std::size_t number, std::uint64_t overrunEnd)
{
    const MidiTrack& track = file.tracks[number - 1];
    if (overrunEnd == 0 || track.bytesRead < track.length)
        return;
    file.notices.push_back({TrackCutShortText(number, track.bytesRead, overrunEnd), MidiNoticeIcon::Warning});
}

// Every record goes to the one array, counted first so that it never moves
// while it fills, and sized to the file: the merge start record first.
ParseSummary ParseTracks(MidiFile& file, const TrackBodies& bodies, const MidiPlayer& names)
{
    std::size_t count = 1;
    for (const std::span<const std::uint8_t> body : bodies)
        count += CountTrackRecords(body);
    file.records.reserve(count);
    file.records.push_back(MergeStartRecord());

    ParseSummary summary;
    file.programSummary = "Channel Program Events:";
    file.lineCount = 5;
    for (std::size_t i = 0; i < file.tracks.size(); ++i) {
        MidiTrack& track = file.tracks[i];
        track.first = file.records.size();
        const std::uint64_t overrunEnd = ReadTrackInto(bodies[i], file.records);
        track.count = file.records.size() - track.first;
        WarnOfOverrun(file, i + 1, overrunEnd);
        ScanTrack(i, file, names, summary);
    }
    file.parsed = true;
    return summary;
}

void ReportMerge(MidiFile& file)
{
    const unsigned long long ms = RunningTimeMs(file.playList, file.division);
    char text[160];
    std::snprintf(text, sizeof text,
                  " Merged %zu events, counted as %llu ms running time, or %02llu:%02llu:%02llu ",
                  file.playList.size(), ms, ms / 3600000 % 24, ms / 60000 % 60, ms / 1000 % 60);
    file.notices.push_back({text, MidiNoticeIcon::Information});
}

}  // namespace

MidiFile LoadMidiFile(std::span<const std::uint8_t> bytes, const MidiPlayer& names)
{
    MidiFile file;
    TrackBodies bodies;
    if (!ReadMidiChunks(bytes, file, bodies))
        return file;
    const ParseSummary summary = ParseTracks(file, bodies, names);
    // In SMPTE time the bars count quarter notes at the default tempo.
    MeasureTrack measures = BuildMeasureTrack(summary.timeSignatures, summary.trackEnd,
                                              MidiTimeBase::FromDivision(file.division).TicksPerQuarter());
    file.measureTrack = std::move(measures.events);
    file.measureTicks = std::move(measures.ticks);
    if (measures.capped)
        file.notices.push_back({"Too many measures: bar markers end after "
                                    + std::to_string(kMaxMeasureBars) + " bars.",
                                MidiNoticeIcon::Warning});
    file.playList = MergeTracks(file);
    ReportMerge(file);
    return file;
}
