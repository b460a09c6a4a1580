#pragma once
// The note-name table: sharp and flat families, each with a plain and an
// enharmonic-alternative row, twelve pitch classes per row.
#include <string>
#include <string_view>

struct NotePosition {
    int accidentals = 0;  // 0 sharps, 1 flats
    int variant = 0;      // 0 plain, 1 alternative
    int pitchClass = 0;   // 0..11 semitones above C
};

class CNoteSpeller {
public:
    CNoteSpeller();

    // The name at this position ("C", "Ab", "Bbb"). Returned by value: a
    // shared result buffer would be overwritten by the next call. Positions
    // out of range are folded into the table rather than read past it.
    std::string GetName(int accidentals, int variant, int pitchClass) const;
    std::string GetName(const NotePosition& position) const;

    // Searches sharps then flats, plain then alternative, pitch classes
    // upwards; the first exact match wins.
    bool FindName(std::string_view name, int& accidentals, int& variant, int& pitchClass) const;
    bool FindName(std::string_view name, NotePosition& position) const;

private:
    std::string table_;
};
