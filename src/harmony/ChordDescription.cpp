#include "harmony/ChordDescription.h"

#include "text/ReadTokens.h"

namespace {

// Semitones above the tonic for a simple interval (2..8) and its quality.
int IntervalOffset(int simple, std::string_view quality)
{
    int offset = 2 * simple - 4;
    if (offset > 6)
        offset -= 1;
    std::string_view prefix = quality.substr(0, 3);
    if (prefix == "per" || prefix == "min")
        offset += 1;
    else if (prefix == "maj")
        offset += 2;
    else if (prefix == "aug")
        offset += (simple == 4 || simple == 5 || simple == 8) ? 2 : 3;
    return offset;
}

void ReadDegrees(std::string_view text, std::size_t& cursor, std::vector<int>& degrees)
{
    for (int degree = ReadInt(text, cursor); degree != 0;) {
        degrees.push_back(degree);
        if (cursor >= text.size() || text[cursor] != '-')
            break;
        ++cursor;
        degree = ReadInt(text, cursor);
    }
}

void ReadIntervals(std::string_view text, std::size_t& cursor, std::vector<AddedInterval>& intervals)
{
    while (cursor < text.size() && text[cursor] == ',') {
        std::size_t written = ++cursor;
        int number = ReadInt(text, cursor);
        if (number == 0)
            break;
        int simple = number > 0 ? (number - 1) % 7 + 1 : 1;
        if (simple == 1)
            simple = 8;
        std::string quality = ReadToken(text, cursor);
        // Rest on the word's last character, so a word ending in ',' lets
        // another added interval follow.
        if (cursor > 0)
            --cursor;
        while (cursor > 0 && IsBlank(text[cursor]))
            --cursor;
        AddedInterval interval;
        interval.number = number;
        interval.semitones = IntervalOffset(simple, quality);
        interval.spanCell = (number == simple) ? interval.semitones % 24 : (interval.semitones + 12) % 24;
        interval.label = ReadToken(text, written);
        intervals.push_back(std::move(interval));
    }
}

} // namespace

ChordDescription ReadChordDescription(std::string_view text)
{
    ChordDescription description;
    std::size_t cursor = 0;
    ReadDegrees(text, cursor, description.degrees);
    ReadIntervals(text, cursor, description.intervals);
    return description;
}

DegreeWalker::DegreeWalker(const NoteRow& cells) : cells_(cells)
{
    for (int i = 0; i < 12; ++i)
        if (!cells_[static_cast<std::size_t>(i)].Empty())
            ++tones_;
}

void DegreeWalker::MoveTo(int degree)
{
    if (degree <= reached_ || tones_ == 0)
        return;
    // Both positions repeat after two octaves of tones, so huge degrees
    // need no more than that many moves.
    long long moves = static_cast<long long>(degree) - reached_;
    if (moves > 2 * tones_)
        moves = (moves - 1) % (2 * tones_) + 1;
    reached_ = degree;
    for (long long m = 0; m < moves; ++m)
        Advance();
}

void DegreeWalker::Advance()
{
    do {
        c_ = (c_ + 1) % 12;
        s_ = (s_ + 1) % 24;
    } while (cells_[static_cast<std::size_t>(c_)].Empty());
}
