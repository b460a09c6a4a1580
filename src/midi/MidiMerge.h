#pragma once
// Merges event lists into one time-ordered play list.
#include <cstddef>
#include <memory>
#include <optional>
#include <span>

#include "midi/MidiEvent.h"

// The play list starts with a merge start record. Records follow by time; at
// equal times the earlier list comes first, and within a list the file order
// holds. End of Track records are left out. Each note on is given the ticks
// until the next note off (or note on with velocity 0) of its channel and note.
// Texts go to `texts` when given.
MidiEventList MergeTracks(std::span<const MidiEventList* const> lists,
                          std::shared_ptr<MidiArena> texts = nullptr);

// Where MergeTracks over the same lists puts record `index` of list `list`;
// none for an End of Track record or one that does not exist.
std::optional<std::size_t> PlayListPosition(std::span<const MidiEventList* const> lists,
                                            std::size_t list, std::size_t index);
