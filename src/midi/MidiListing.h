#pragma once
// The examiner listing and the plain-text dumps of a loaded file.
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "midi/MidiFile.h"
#include "midi/PlayListLookup.h"

// The listing as the view draws it: the head (the path, the header line, one
// line per track and an empty line), then, once the file is parsed, every
// track's record texts with an empty line after each track, and last the
// measure track's records, its bar lines numbered. Record lines are
// the records' own texts, read where the file keeps them: a large file has a
// million of them, and a copy each would double what it takes. The file must
// outlive the listing.
class MidiListing {
public:
    MidiListing() = default;
    MidiListing(const MidiFile& file, const std::string& path);

    std::size_t size() const { return head_.size() + (trackEnds_.empty() ? 0 : trackEnds_.back()); }
    std::string_view operator[](std::size_t line) const;
    // The record a line shows; none for the head and the empty lines.
    std::optional<ListedRecord> RecordAt(std::size_t line) const;
    // The line that shows a record; none for a record not listed.
    std::optional<std::size_t> LineOf(ListedRecord record) const;

    // Calls `visit(std::string_view)` with every line in order.
    template <class Visit>
    void ForEachLine(const Visit& visit) const
    {
        for (const std::string& line : head_)
            visit(std::string_view(line));
        if (trackEnds_.empty())
            return;
        for (std::size_t list = 0; list < trackEnds_.size(); ++list) {
            for (const MidiEvent& event : ListedEvents(list))
                visit(event.text);
            visit(std::string_view());
        }
    }

private:
    // The file's tracks in order, then the measure track.
    const MidiEventList& ListedEvents(std::size_t list) const;

    const MidiFile* file_ = nullptr;
    std::vector<std::string> head_;
    // Per listed list, the first line after its empty line, counted from the end of the head.
    std::vector<std::size_t> trackEnds_;
};

void WriteMidiListing(std::ostream& out, const MidiFile& file, const std::string& path);

// One play list record per line: absolute ticks, delta, kind (hex), channel,
// data bytes (hex, "-" for none) and duration, blank-separated.
std::string PlayListLine(const MidiEvent& event);
void AppendPlayListLine(std::string& line, const MidiEvent& event);
void WritePlayList(std::ostream& out, const MidiEventList& events);
