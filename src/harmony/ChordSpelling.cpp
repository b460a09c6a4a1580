#include "harmony/ModelState.h"
#include "text/ReadTokens.h"

namespace {

// Walks upwards through the labelled tones of one octave; the span position
// runs on over two octaves so degrees above 8 land in the upper octave.
class DegreeWalker {
public:
    explicit DegreeWalker(const NoteRow& cells) : cells_(cells)
    {
        for (int i = 0; i < 12; ++i)
            if (!cells_[static_cast<std::size_t>(i)].Empty())
                ++tones_;
    }

    bool Placed() const { return c_ >= 0; }
    int Cell() const { return c_; }
    int SpanCell() const { return s_; }

    void MoveTo(int degree)
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

private:
    void Advance()
    {
        do {
            c_ = (c_ + 1) % 12;
            s_ = (s_ + 1) % 24;
        } while (cells_[static_cast<std::size_t>(c_)].Empty());
    }

    const NoteRow& cells_;
    int tones_ = 0;
    int c_ = -1;
    int s_ = -1;
    int reached_ = 0;
};

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

} // namespace

void CModelState::SpellChord(NoteRow& cells)
{
    if (chordName.empty() || chordName.front() == '.')
        return;
    NoteRow chord{};
    NoteSpan chordSpan{};
    std::string_view text = chordName;
    std::size_t cursor = 0;

    DegreeWalker walker(cells);
    for (int degree = ReadInt(text, cursor); degree != 0;) {
        walker.MoveTo(degree);
        if (walker.Placed()) {
            chord[static_cast<std::size_t>(walker.Cell())] = cells[static_cast<std::size_t>(walker.Cell())];
            chordSpan[static_cast<std::size_t>(walker.SpanCell())] = cells[static_cast<std::size_t>(walker.Cell())];
        }
        if (cursor >= text.size() || text[cursor] != '-')
            break;
        ++cursor;
        degree = ReadInt(text, cursor);
    }

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
        int offset = IntervalOffset(simple, quality);
        std::string label = ReadToken(text, written);
        chord[static_cast<std::size_t>(offset % 12)].Set(label);
        int spanCell = (number == simple) ? offset % 24 : (offset + 12) % 24;
        chordSpan[static_cast<std::size_t>(spanCell)].Set(label);
    }
    cells = chord;
    span = chordSpan;
}
