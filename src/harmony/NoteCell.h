#pragma once
// A note label of at most three visible characters, NUL-padded to four bytes.
// An empty cell (first byte NUL) means "no note here".
#include <array>
#include <string_view>

struct NoteCell {
    std::array<char, 4> bytes{};

    bool Empty() const { return bytes[0] == '\0'; }
    // The label; never more than three characters, whatever was stored.
    std::string_view Text() const;
    // The label, or fallback for an empty cell.
    std::string_view TextOr(std::string_view fallback) const { return Empty() ? fallback : Text(); }
    // Stores text, cutting it to three characters so the cell stays terminated.
    void Set(std::string_view text);
    void Clear() { bytes = {}; }

    friend bool operator==(const NoteCell&, const NoteCell&) = default;
};

// Cells indexed by semitone offset from the tonic: one octave (0..12) or two (0..24).
using NoteRow = std::array<NoteCell, 13>;
using NoteSpan = std::array<NoteCell, 25>;

inline NoteCell MakeCell(std::string_view text)
{
    NoteCell cell;
    cell.Set(text);
    return cell;
}
