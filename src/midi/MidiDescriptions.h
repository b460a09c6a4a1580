#pragma once
// The one-line descriptions of event records, appended to a string.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "midi/MidiEvent.h"
#include "midi/MidiNames.h"

// The most characters the tick columns take: two 20-digit numbers and two blanks.
inline constexpr std::size_t kTickColumnsSize = 42;

// "%06d %05d ": running ticks and own delta, the head of every record's text.
// Writes them at `out` and returns where they end.
char* WriteTickColumns(char* out, std::uint64_t cumulativeTicks, std::uint64_t delta);

// The most characters a note on or note off description takes.
inline constexpr std::size_t kNoteDescriptionMost = 80;

// A note on or note off (`kind`) description written at `out`; returns where it ends.
char* WriteNoteDescription(char* out, int kind, int channel, std::uint8_t note,
                           std::uint8_t velocity, const NoteTable& notes);

// Channel messages by kind (status with the channel bits cleared); `channel` is 0..15
// and the data bytes are 0..127.
void AppendChannelDescription(std::string& out, int kind, int channel, std::uint8_t first,
                              std::uint8_t second, const NoteTable& notes,
                              const ProgramNameTable& programs);

// Meta events by type, given the record's data bytes (for text events, the payload).
void AppendMetaDescription(std::string& out, int type, std::span<const std::uint8_t> data);

// A track record's line as the listing shows it: the tick columns ("%06d
// %05d ", the ticks of its track so far and its own delta), then its
// description.
void AppendRecordLine(std::string& out, const MidiEvent& event, std::uint64_t ticks, std::uint64_t delta,
                      const NoteTable& notes, const ProgramNameTable& programs);
