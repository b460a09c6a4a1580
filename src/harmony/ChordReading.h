#pragma once
// How a catalogue chord reads in a scale and a key, for putting the answers
// of Identify in the order a musician names the notes: the chord's tones
// from the lowest up, the degree it stands on, whether the scale gives what
// its name promises, and what sharps and flats a key needs.
#include <string>
#include <string_view>
#include <vector>

#include "harmony/ChordDescription.h"
#include "harmony/NoteCell.h"

class CModelState;

// The chord's pitch classes above a tonic of C, each once, lowest first over
// the two octaves it spans.
std::vector<int> ChordPitchesLowestFirst(const ChordDescription& description, const NoteRow& scaleCells);

// The degree a chord stands on: its first, unless it is an inversion, whose
// root is a degree of 8 or more with the others thirds, fifths or sevenths
// above it (inv1, 3-5-8, stands on the tonic). A sixth chord (1-3-5-6)
// keeps its first degree.
int RootDegree(const std::vector<int>& degrees);

// The position among a scale's tones of a degree: degrees run on round the
// octave.
std::size_t ToneOf(int degree, std::size_t toneCount);

// A chord named by degrees promises each degree its interval above the
// root (sus, 1-4-5, a fourth and a fifth; I7 a seventh), which the scale's
// interval numbers must give: the 4th tone of a pentatonic scale is its
// fifth.
bool NamedRightly(const std::vector<int>& degrees, const std::vector<int>& numbers, int root);

// True when the notes were entered in the order of the chord's tones from
// the lowest up, the chord standing on `tonic` (C E G D is an add9, C D E G
// an add2).
bool InOrder(const std::vector<int>& order, int tonic, const std::vector<int>& entered);

// How many sharps and flats a scale needs in the key, each tone taking the
// letter of its interval number (a double sharp counts two).
int SpellingWeight(const std::vector<int>& tones, const std::vector<int>& numbers, std::string_view key);

// True when every typed name is the name the model gives that tone of the
// chord chosen with this key and scale.
bool KeepsTypedNames(CModelState& model, std::string_view key, int scale, int chord,
                     const std::vector<std::string>& typed);
