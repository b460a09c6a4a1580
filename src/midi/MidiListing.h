#pragma once
// The examiner listing and the plain-text dumps of a loaded file.
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "midi/MidiFile.h"

// The listing as the view draws it: the head (the path, the header line, one
// line per track and an empty line), then, once the file is parsed, every
// track's record texts with an empty line after each track. Record lines are
// the records' own texts, read where the file keeps them: a large file has a
// million of them, and a copy each would double what it takes. The file must
// outlive the listing.
class MidiListing {
public:
    MidiListing() = default;
    MidiListing(const MidiFile& file, const std::string& path);

    std::size_t size() const { return head_.size() + (trackEnds_.empty() ? 0 : trackEnds_.back()); }
    std::string_view operator[](std::size_t line) const;

    // Calls `visit(std::string_view)` with every line in order.
    template <class Visit>
    void ForEachLine(const Visit& visit) const
    {
        for (const std::string& line : head_)
            visit(std::string_view(line));
        if (trackEnds_.empty())
            return;
        for (const MidiTrack& track : file_->tracks) {
            for (const MidiEvent& event : track.events)
                visit(event.text);
            visit(std::string_view());
        }
    }

private:
    std::string_view TrackLine(std::size_t track, std::size_t record) const;

    const MidiFile* file_ = nullptr;
    std::vector<std::string> head_;
    // Per track, the first line after its empty line, counted from the end of the head.
    std::vector<std::size_t> trackEnds_;
};

void WriteMidiListing(std::ostream& out, const MidiFile& file, const std::string& path);

// One play list record per line: absolute ticks, delta, kind (hex), channel,
// data bytes (hex, "-" for none) and duration, blank-separated.
std::string PlayListLine(const MidiEvent& event);
void AppendPlayListLine(std::string& line, const MidiEvent& event);
void WritePlayList(std::ostream& out, const MidiEventList& events);
