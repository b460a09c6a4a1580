#include "instruments/FingeringCharts.h"

#include <string>

#include "harmony/NoteSpeller.h"
#include "instruments/InstrumBase.h"
#include "instruments/NoteSources.h"
#include "instruments/WindInstrument.h"

namespace {

constexpr std::size_t kChartRows = 18;
constexpr std::size_t kBlockWidth = 95;  // 19 charts of 5 characters

using ChartBlock = std::array<std::string, kChartRows>;

std::string HoleCell(char fingering)
{
    char mark = fingering == 'C' ? '*' : fingering == 'P' ? '/' : ' ';
    return std::string{'{', mark, '}'};
}

// A label shorter than three characters gets a blank in front, then one
// behind if it is still short.
std::string LabelCell(std::string_view label)
{
    std::string cell(label);
    if (cell.size() < 3)
        cell.insert(cell.begin(), ' ');
    if (cell.size() < 3)
        cell += ' ';
    return cell;
}

// Rows top to bottom: label, separator, thumb, separator, three upper-hand
// holes, separator, four lower-hand holes, separator; blanks between holes.
std::array<std::string, kChartRows> ChartCells(std::string_view label, std::string_view pattern,
                                               const std::string& separator)
{
    const std::string blank(3, ' ');
    return {LabelCell(label),     separator,           HoleCell(pattern[0]), separator,
            HoleCell(pattern[1]), blank,               HoleCell(pattern[2]), blank,
            HoleCell(pattern[3]), separator,           HoleCell(pattern[4]), blank,
            HoleCell(pattern[5]), blank,               HoleCell(pattern[6]), blank,
            HoleCell(pattern[7]), separator};
}

void FlushBlock(ChartBlock& block, InstrumBase& base)
{
    for (std::string& row : block) {
        base.AppendLine(std::move(row));
        row.clear();
    }
    base.AppendLine("");
}

} // namespace

// The first chart is that of the all-closed note, counted within the
// octave above the tonic.
std::vector<ShownFingering> ShownFingerings(const WindInstrument& instrument, const NoteSources& sources,
                                            const CNoteSpeller& speller)
{
    NotePosition position;
    if (!speller.FindName(instrument.tuning.Text(), position))
        position.pitchClass = 0;
    int first = sources.tonic + FloorMod(position.pitchClass - sources.tonic, 12);
    std::vector<ShownFingering> shown;
    for (int i = 0; i < static_cast<int>(kBaroqueFingerings.size()); ++i) {
        std::string_view label = sources.ModelLabel(0, first + i);
        if (!label.empty())
            shown.push_back({label, kBaroqueFingerings[static_cast<std::size_t>(i)]});
    }
    return shown;
}

void BuildFingeringCharts(const WindInstrument& instrument, const NoteSources& sources, const CNoteSpeller& speller,
                          InstrumBase& base)
{
    base.ClearLines();
    const std::string separator = base.UsesLineDrawing() ? std::string(3, '\xC4') : std::string("---");
    ChartBlock block;
    for (const ShownFingering& chart : ShownFingerings(instrument, sources, speller)) {
        auto cells = ChartCells(chart.label, chart.pattern, separator);
        for (std::size_t row = 0; row < kChartRows; ++row)
            block[row] += ' ' + cells[row] + ' ';
        if (block[0].size() >= kBlockWidth)
            FlushBlock(block, base);
    }
    if (!block[0].empty())
        FlushBlock(block, base);
}
