#include "instruments/StaffEngraving.h"

#include <algorithm>
#include <cstdlib>

#include "instruments/SheetClefs.h"
#include "instruments/SheetImages.h"

namespace {

constexpr int kTrebleTopLine = 7;
constexpr int kTrebleBottomLine = 15;
constexpr int kBassTopLine = 19;
constexpr int kBassBottomLine = 27;
// The last row of the grand staff's treble half: middle C.
constexpr int kGrandMiddleC = 17;

} // namespace

int StaffRows::MiddleLine(int row) const
{
    bool bass = grand && row > kGrandMiddleC;
    return bass ? (kBassTopLine + kBassBottomLine) / 2 : (kTrebleTopLine + kTrebleBottomLine) / 2;
}

std::vector<int> StaffRows::LedgerRows(int row) const
{
    bool bass = grand && row > kGrandMiddleC;
    int top = bass ? kBassTopLine : kTrebleTopLine;
    int bottom = bass ? kBassBottomLine : kTrebleBottomLine;
    std::vector<int> rows;
    for (int ledger = top - 2; ledger >= row; ledger -= 2)
        rows.push_back(ledger);
    for (int ledger = bottom + 2; ledger <= row; ledger += 2)
        rows.push_back(ledger);
    return rows;
}

int AlterationOf(std::string_view name)
{
    int alteration = 0;
    for (char c : name.substr(name.empty() ? 0 : 1))
        alteration += c == '#' ? 1 : c == 'b' ? -1 : 0;
    return alteration;
}

AccidentalMemory::AccidentalMemory(const std::array<NoteCell, 8>& signature)
{
    for (const NoteCell& note : signature) {
        int letter = LetterIndex(note.bytes[0]);
        if (!note.Empty() && letter >= 0)
            signature_[static_cast<std::size_t>(letter)] = AlterationOf(note.Text());
    }
}

std::optional<int> AccidentalMemory::Needed(int row, char letter, int alteration)
{
    int index = LetterIndex(letter);
    auto written = written_.find(row);
    int inForce = written != written_.end() ? written->second : index >= 0 ? signature_[static_cast<std::size_t>(index)] : 0;
    if (inForce == alteration)
        return std::nullopt;
    written_[row] = alteration;
    return alteration;
}

void DrawAccidental(IDrawingSurface& surface, int alteration, int beforeHead, int centreY, int cellWidth)
{
    int id = alteration == 0 ? kNaturalImage : alteration > 0 ? kSharpImage : kFlatImage;
    int count = alteration == 0 ? 1 : std::min(std::abs(alteration), 2);
    for (int k = count - 1; k >= 0; --k)
        surface.Image(beforeHead - k * cellWidth - SheetImageAnchor(id).x, centreY - SheetImageAnchor(id).y, id);
}

void DrawLedgerLines(IDrawingSurface& surface, const std::vector<int>& centresY, int headCentreX, int cellWidth,
                     Color color)
{
    for (int y : centresY)
        surface.Line(headCentreX - cellWidth, y, headCentreX + cellWidth, y, color);
}
