#pragma once
// Between a record of a file's own lists (a track or the measure track) and
// its place in the play list, and from there to the start of its bar.
#include <cstddef>
#include <optional>

#include "midi/MidiFile.h"

class MidiListing;

// A record as the listing shows it: `list` counts the file's tracks from 0,
// and the measure track follows the last of them.
struct ListedRecord {
    std::size_t list = 0;
    std::size_t index = 0;

    bool operator==(const ListedRecord&) const = default;
};

// The record's index in the file's play list; none for a record the play list
// leaves out (End of Track) or one that does not exist.
std::optional<std::size_t> PlayListIndexOf(const MidiFile& file, ListedRecord record);

// The listed record the play list's record `position` is; none for the
// merge start record and past the end.
std::optional<ListedRecord> ListedRecordAt(const MidiFile& file, std::size_t position);

// The first record of the bar the play list's record `position` lies in: the
// bar's marker, or 0 (the head of the list) inside the first bar.
std::size_t BarStartOf(const PlayList& playList, std::size_t position);

// Where playing from a listing line starts: the play list index of the first
// record of the bar its record lies in (0 in the first bar); none for a line
// that shows no record or one the play list leaves out.
std::optional<std::size_t> PlayStartForLine(const MidiFile& file, const MidiListing& listing,
                                            std::size_t line);
