#pragma once
// From a record of a file's own lists (a track or the measure track) to its
// place in the play list, and from there to the start of its bar.
#include <cstddef>
#include <optional>
#include <vector>

#include "midi/MergeOrder.h"
#include "midi/MidiFile.h"

class MidiListing;

// A record as the listing shows it: `list` counts the file's tracks from 0,
// and the measure track follows the last of them.
struct ListedRecord {
    std::size_t list = 0;
    std::size_t index = 0;
};

// The lists the play list is merged from, in merge order.
std::vector<const MidiEventList*> PlayListSources(const MidiFile& file);

// The record's index in the file's play list; none for a record the play list
// leaves out (End of Track) or one that does not exist.
std::optional<std::size_t> PlayListIndexOf(const MidiFile& file, ListedRecord record);

// The first record of the bar the play list's record `position` lies in: the
// bar's marker, or 0 (the head of the list) inside the first bar.
std::size_t BarStartOf(const MidiEventList& playList, std::size_t position);

// Where playing from a listing line starts: the play list index of the first
// record of the bar its record lies in (0 in the first bar); none for a line
// that shows no record or one the play list leaves out.
std::optional<std::size_t> PlayStartForLine(const MidiFile& file, const MidiListing& listing,
                                            std::size_t line);

// Follows a playback through the file's own lists: which listed record each
// play list record copies. A playback moves forward, so the merge order is
// walked on from the record asked for last, and only walked again from the
// start when an earlier one is asked for.
class PlayedRecordFinder {
public:
    // The file must outlive the finder.
    explicit PlayedRecordFinder(const MidiFile& file);
    // The source of the play list's record `position`; none for the merge
    // start record and past the end.
    std::optional<ListedRecord> RecordAt(std::size_t position);

private:
    std::vector<const MidiEventList*> sources_;
    std::optional<MergeOrder> order_;
    std::size_t position_ = 0;  // of the record last taken
    std::optional<ListedRecord> last_;
};
