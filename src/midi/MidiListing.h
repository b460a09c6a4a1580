#pragma once
// The examiner listing and the plain-text dumps of a loaded file.
#include <ostream>
#include <string>
#include <vector>

#include "midi/MidiFile.h"

// The listing's head: the path, the header line, one line per track and an empty line.
std::vector<std::string> MidiHeadLines(const MidiFile& file, const std::string& path);

// The whole listing as the view draws it: the head, then, once the file is
// parsed, every track's record texts with an empty line after each track.
std::vector<std::string> MidiListing(const MidiFile& file, const std::string& path);
void WriteMidiListing(std::ostream& out, const MidiFile& file, const std::string& path);

// One play list record per line: absolute ticks, delta, kind (hex), channel,
// data bytes (hex, "-" for none) and duration, blank-separated.
std::string PlayListLine(const MidiEvent& event);
void AppendPlayListLine(std::string& line, const MidiEvent& event);
void WritePlayList(std::ostream& out, const MidiEventList& events);
