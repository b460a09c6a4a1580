#include "instruments/Fretboard.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "harmony/NoteSpeller.h"
#include "instruments/FretboardGlyphs.h"
#include "instruments/InstrumBase.h"
#include "instruments/NoteSources.h"
#include "instruments/StringedInstrument.h"

namespace {

constexpr std::size_t kCellWidth = 3;

struct BoardString {
    int pitch = 0;  // pitch class of the open string; C for a name the speller does not know
    int octave = 0;
};

class FretboardBuilder {
public:
    FretboardBuilder(const StringedInstrument& instrument, const NoteSources& sources, const CNoteSpeller& speller,
                     bool lineDrawing);

    void BuildHorizontal(InstrumBase& base) const;
    void BuildVertical(InstrumBase& base) const;

private:
    std::string_view NameAt(const BoardString& string, int fret) const;
    std::string HorizontalRow(const BoardString& string) const;
    std::string FretNumbers() const;
    std::string VerticalNoteLine(int fret, std::size_t cellWidth) const;
    std::string VerticalWireLine(int fret, std::size_t cellWidth) const;
    // Three-character names would run into their neighbours: their cells
    // get a fourth column, so that one blank stands between two names.
    std::size_t VerticalCellWidth() const;
    // Whether the capo lies on the wire after this fret (0: the nut), on the
    // nut side of the first fret that sounds.
    bool CapoOnWire(int fret) const { return wires_ && capo_ > 0 && capo_ <= frets_ && fret == capo_ - 1; }
    std::string WireSegment(int fret) const;
    std::string SegmentWire(int fret) const;

    const NoteSources& sources_;
    FretboardGlyphs glyphs_;
    std::vector<BoardString> strings_;  // in drawing order
    int frets_ = 0;
    int capo_ = 0;
    bool mirrored_ = false;
    bool wires_ = true;
};

FretboardBuilder::FretboardBuilder(const StringedInstrument& instrument, const NoteSources& sources,
                                   const CNoteSpeller& speller, bool lineDrawing)
    : sources_(sources),
      glyphs_(SelectFretboardGlyphs(lineDrawing, instrument.stringType == 'd', instrument.orientation == 'd')),
      frets_(BoundFretCount(instrument.fretCount)),
      capo_(BoundCapo(instrument.capo)),
      mirrored_((instrument.perspective == 'r' && instrument.handedness == 'r') ||
                (instrument.perspective == 'n' && instrument.handedness == 'l')),
      wires_(instrument.fretStatus == 'y')
{
    int count = std::clamp(instrument.stringCount, 0, StringedInstrument::kMaxStrings);
    for (int i = 0; i < count; ++i) {
        NotePosition position;
        if (!speller.FindName(instrument.tunings[static_cast<std::size_t>(i)].Text(), position))
            position.pitchClass = 0;
        strings_.push_back({position.pitchClass, instrument.octaves[static_cast<std::size_t>(i)]});
    }
    if (instrument.perspective == 'r')
        std::reverse(strings_.begin(), strings_.end());
}

// Frets behind a capo sound nothing, in the model's notes and live alike.
std::string_view FretboardBuilder::NameAt(const BoardString& string, int fret) const
{
    if (fret < capo_)
        return {};
    return sources_.Shown(string.octave, string.pitch + fret);
}

std::string FretboardBuilder::WireSegment(int fret) const
{
    std::string glyphs = glyphs_.wireSegment;
    if (CapoOnWire(fret))
        glyphs[0] = glyphs_.capoWire;
    return glyphs;
}

std::string FretboardBuilder::SegmentWire(int fret) const
{
    std::string glyphs = glyphs_.segmentWire;
    if (CapoOnWire(fret))
        glyphs.back() = glyphs_.capoWire;
    return glyphs;
}

// A plain board runs from the last fret on the left to the nut on the
// right; a mirrored one from the nut on the left.
std::string FretboardBuilder::HorizontalRow(const BoardString& string) const
{
    std::string_view open = NameAt(string, 0);
    std::string nutCell = glyphs_.nut;
    nutCell += open.empty() ? std::string_view(" ") : open;
    nutCell += glyphs_.nut;
    if (CapoOnWire(0))
        (mirrored_ ? nutCell.back() : nutCell.front()) = glyphs_.capoWire;
    std::size_t width = wires_ ? kCellWidth : kCellWidth + 2;
    std::string row;
    row.reserve(static_cast<std::size_t>(frets_) * 5 + 8);
    if (mirrored_)
        row.append(nutCell.size() < 5 ? 5 - nutCell.size() : 0, ' ').append(nutCell);
    for (int step = 1; step <= frets_; ++step) {
        int fret = mirrored_ ? step : frets_ + 1 - step;
        std::string_view name = NameAt(string, fret);
        std::size_t segments = width - std::min(width, name.size());
        if (mirrored_) {
            row.append(segments, glyphs_.segment).append(name);
            if (wires_)
                row += SegmentWire(fret);
        } else {
            if (wires_)
                row += WireSegment(fret);
            row.append(name).append(segments, glyphs_.segment);
        }
    }
    return mirrored_ ? row : row + nutCell;
}

std::string FretboardBuilder::FretNumbers() const
{
    std::string line;
    char number[16];
    for (int step = 0; step <= frets_; ++step) {
        int fret = mirrored_ ? step : frets_ - step;
        std::snprintf(number, sizeof number, mirrored_ ? "  %2d " : "%2d   ", fret);
        line += number;
    }
    return line;
}

void FretboardBuilder::BuildHorizontal(InstrumBase& base) const
{
    base.AppendLine("");
    for (const BoardString& string : strings_)
        base.AppendLine(HorizontalRow(string));
    base.AppendLine("");
    base.AppendLine(FretNumbers());
}

std::size_t FretboardBuilder::VerticalCellWidth() const
{
    for (int fret = 0; fret <= frets_; ++fret)
        for (const BoardString& string : strings_)
            if (NameAt(string, fret).size() >= kCellWidth)
                return kCellWidth + 1;
    return kCellWidth;
}

std::string FretboardBuilder::VerticalNoteLine(int fret, std::size_t cellWidth) const
{
    std::string line = "  ";
    for (std::size_t i = 0; i < strings_.size(); ++i) {
        std::string_view name = NameAt(strings_[i], fret);
        std::string cell(name);
        if (cell.size() < cellWidth) {
            bool open = fret == 0;
            if (cell.empty())
                cell += open ? glyphs_.crossing : glyphs_.stringGlyph;
            bool lastString = i + 1 == strings_.size();
            char pad = open && !lastString ? glyphs_.segment : ' ';
            cell.resize(cellWidth, pad);
        }
        line += cell;
    }
    return line;
}

std::string FretboardBuilder::VerticalWireLine(int fret, std::size_t cellWidth) const
{
    std::string line = "  ";
    bool capo = CapoOnWire(fret);
    char crossing = capo ? glyphs_.capoWire : glyphs_.crossing;
    char segment = capo ? glyphs_.capoSegment : glyphs_.segment;
    for (std::size_t i = 0; i < strings_.size(); ++i) {
        if (wires_)
            line += crossing + std::string(cellWidth - 1, segment);
        else
            line += glyphs_.stringGlyph + std::string(cellWidth - 1, ' ');
    }
    if (wires_ && !strings_.empty())
        line.replace(line.size() - (cellWidth - 1), cellWidth - 1, std::string(cellWidth - 1, ' '));
    return line;
}

// Two lines per fret, a note line and a wire line; the fret number goes on
// the wire when wires are shown and on the note line when they are not.
void FretboardBuilder::BuildVertical(InstrumBase& base) const
{
    int count = 2 * frets_ + 2;
    std::size_t cellWidth = VerticalCellWidth();
    base.ClearLines();
    if (base.lines.size() < static_cast<std::size_t>(count))
        base.lines.resize(static_cast<std::size_t>(count));
    for (int fret = 0; fret <= frets_; ++fret) {
        std::string noteLine = VerticalNoteLine(fret, cellWidth);
        std::string wireLine = VerticalWireLine(fret, cellWidth);
        (wires_ ? wireLine : noteLine) += ' ' + std::to_string(fret);
        int pair = mirrored_ ? 2 * (frets_ - fret) : 2 * fret;
        bool noteFirst = wires_ != mirrored_;
        base.lines[static_cast<std::size_t>(pair + (noteFirst ? 0 : 1))] = std::move(noteLine);
        base.lines[static_cast<std::size_t>(pair + (noteFirst ? 1 : 0))] = std::move(wireLine);
    }
    base.lineCount = count;
}

} // namespace

void BuildFretboard(const StringedInstrument& instrument, const NoteSources& sources, const CNoteSpeller& speller,
                    InstrumBase& base)
{
    FretboardBuilder builder(instrument, sources, speller, base.UsesLineDrawing());
    if (instrument.orientation == 'd') {
        builder.BuildVertical(base);
    } else {
        base.ClearLines();
        builder.BuildHorizontal(base);
    }
}
