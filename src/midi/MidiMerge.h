#pragma once
// Merges a file's tracks and measure track into its play list.
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "midi/MergeOrder.h"
#include "midi/MidiFile.h"

// The lists the play list is merged from, in merge order: the tracks, then
// the measure track.
std::vector<std::span<const MidiEvent>> PlayListSources(const MidiFile& file);

// The first of a file's records, which starts its play list.
MidiEvent MergeStartRecord();

// The play list: the merge start record (the first of the file's records),
// then every record of the tracks and the measure track by time; at equal
// times the earlier list comes first, and within a list the file order
// holds. End of Track records are left out. Each note on is given the ticks
// until the next note off (or note on with velocity 0) of its channel and
// note.
PlayList MergeTracks(MidiFile& file);

// Where MergeTracks over the same lists puts record `index` of list `list`;
// none for an End of Track record or one that does not exist.
std::optional<std::size_t> PlayListPosition(MergeLists lists, std::size_t list, std::size_t index);
