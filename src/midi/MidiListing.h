#pragma once
// The examiner listing and the plain-text dumps of a loaded file.
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "midi/MidiFile.h"
#include "midi/PlayListLookup.h"

class MidiPlayer;

// The listing as the view draws it: the head (the path, the header line, one
// line per track and an empty line), then, once the file is parsed, every
// track's records with an empty line after each track, and last the
// measure track's records, its bar lines numbered. Record lines are written
// when they are asked for, from the records the file keeps and the player's
// name tables: a large file has a million of them. The file and the player
// must outlive the listing.
class MidiListing {
public:
    MidiListing() = default;
    MidiListing(const MidiFile& file, const MidiPlayer& names, const std::string& path);

    std::size_t size() const { return head_.size() + (trackEnds_.empty() ? 0 : trackEnds_.back()); }
    // The path, header, track and empty lines before the records.
    std::size_t HeadSize() const { return head_.size(); }
    std::string operator[](std::size_t line) const;
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
        std::string line;
        AppendRecordLines(line, [&] {
            visit(std::string_view(line));
            line.clear();
        });
    }
    // Appends the lines after the head to `out` one at a time, calling
    // `lineDone()` after each, the empty line after each list included.
    template <class LineDone>
    void AppendRecordLines(std::string& out, const LineDone& lineDone) const
    {
        for (std::size_t list = 0; list < trackEnds_.size(); ++list) {
            for (std::size_t index = 0; index < ListSize(list); ++index) {
                AppendRecordLine(out, {list, index});
                lineDone();
            }
            lineDone();
        }
    }
    // Appends the line of a listed record.
    void AppendRecordLine(std::string& out, ListedRecord record) const;

private:
    std::size_t ListSize(std::size_t list) const;

    const MidiFile* file_ = nullptr;
    const MidiPlayer* names_ = nullptr;
    std::vector<std::string> head_;
    // Per listed list, the first line after its empty line, counted from the end of the head.
    std::vector<std::size_t> trackEnds_;
};

void WriteMidiListing(std::ostream& out, const MidiFile& file, const MidiPlayer& names, const std::string& path);

// One play list record per line: absolute ticks, delta, kind (hex), channel,
// data bytes (hex, "-" for none) and duration, blank-separated.
std::string PlayListLine(const PlayList& list, std::size_t index);
void AppendPlayListLine(std::string& line, const PlayList& list, std::size_t index);
void WritePlayList(std::ostream& out, const PlayList& list);
