#include "instruments/InstrumentSummary.h"

#include <algorithm>
#include <vector>

#include "harmony/ModelState.h"
#include "harmony/NoteSpeller.h"
#include "instruments/FingeringCharts.h"
#include "instruments/KeyboardInstrument.h"
#include "instruments/KeyboardLabels.h"
#include "instruments/SheetStaff.h"
#include "instruments/StringedInstrument.h"

namespace {

std::string Joined(const std::vector<std::string>& words, const std::string& separator)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : separator) + word;
    return text;
}

int PitchClassOf(const CNoteSpeller& speller, std::string_view name)
{
    NotePosition position;
    return speller.FindName(name, position) ? position.pitchClass : 0;
}

// A label that spells the key's own pitch is the best name for it; other
// labels (degrees, intervals) give way to the speller's name.
std::string KeyName(std::string_view label, int pitchClass, const CNoteSpeller& speller, int accidentals)
{
    NotePosition position;
    if (speller.FindName(label, position) && position.pitchClass == pitchClass)
        return std::string(label);
    return speller.GetName(accidentals, 0, pitchClass);
}

std::string Count(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string HoleWords(std::string_view pattern)
{
    static constexpr const char* kHoles[] = {"thumb", "1", "2", "3", "4", "5", "6", "7"};
    std::vector<std::string> closed, half;
    for (std::size_t i = 0; i < pattern.size() && i < std::size(kHoles); ++i) {
        if (pattern[i] == 'C')
            closed.emplace_back(kHoles[i]);
        else if (pattern[i] == 'P')
            half.emplace_back(kHoles[i]);
    }
    std::vector<std::string> parts;
    if (!closed.empty())
        parts.push_back(Joined(closed, " ") + " closed");
    if (!half.empty())
        parts.push_back(Joined(half, " ") + " half");
    return parts.empty() ? "all open" : Joined(parts, ", ");
}

} // namespace

std::string InstrumentSummary(const std::string& name, const CModelState& model, const std::string& marks)
{
    return name + ", " + model.Heading() + ": " + marks;
}

std::string StringedMarks(const StringedInstrument& instrument, const NoteSources& sources,
                          const CNoteSpeller& speller)
{
    int count = std::clamp(instrument.stringCount, 0, StringedInstrument::kMaxStrings);
    int frets = BoundFretCount(instrument.fretCount);
    std::vector<std::string> strings;
    for (int i = 0; i < count; ++i) {
        auto index = static_cast<std::size_t>(i);
        int pitch = PitchClassOf(speller, instrument.tunings[index].Text());
        std::vector<std::string> marked;
        for (int fret = 0; fret <= frets; ++fret)
            if (!instrument.BelowCapo(fret) && !sources.Shown(instrument.octaves[index], pitch + fret).empty())
                marked.push_back(std::to_string(fret));
        std::string number = "string " + std::to_string(count - i);
        strings.push_back(marked.empty() ? number + " no frets" : number + " frets " + Joined(marked, ", "));
    }
    std::string marks = Joined(strings, "; ");
    return instrument.capo > 0 ? "capo at fret " + std::to_string(instrument.capo) + "; " + marks : marks;
}

std::string KeyboardMarks(const KeyboardInstrument& keyboard, const NoteSources& sources, const CNoteSpeller& speller,
                          int accidentals)
{
    KeyboardStart start = FindKeyboardStart(keyboard, sources.tonic, speller);
    KeyboardLabels labels(sources, start.labelOffset, keyboard.octave);
    int firstNote = 12 * keyboard.octave + FloorMod(sources.tonic + start.labelOffset, 12);
    std::vector<std::string> keys;
    for (int key = 0; key < BoundKeyCount(keyboard.keyCount); ++key) {
        std::string_view label = labels.LabelOf(key);
        if (label.empty())
            continue;
        int note = firstNote + key;
        keys.push_back(KeyName(label, note % 12, speller, accidentals) + std::to_string(note / 12));
    }
    return keys.empty() ? "no keys marked" : Joined(keys, " ");
}

std::string SheetMarks(const StaffLayout& layout, const NoteSources& sources)
{
    std::string signature = "no sharps or flats";
    if (!layout.signature.empty()) {
        bool sharps = layout.signature.front().sign == '#';
        signature = Count(layout.signature.size(), sharps ? "sharp" : "flat", sharps ? "sharps" : "flats");
    }
    std::vector<std::string> notes;
    for (const NoteColumn& column : layout.notes) {
        std::string label(sources.twoOctave ? sources.span[static_cast<std::size_t>(column.spanIndex % 25)].Text()
                                            : sources.labels[static_cast<std::size_t>(column.offset % 13)].Text());
        if (std::find(notes.begin(), notes.end(), label) == notes.end())
            notes.push_back(label);
    }
    return signature + ", notes " + (notes.empty() ? "none" : Joined(notes, " "));
}

std::string RecorderMarks(const WindInstrument& instrument, const NoteSources& sources, const CNoteSpeller& speller)
{
    std::vector<std::string> charts;
    for (const ShownFingering& chart : ShownFingerings(instrument, sources, speller))
        charts.push_back(std::string(chart.label) + ": " + HoleWords(chart.pattern));
    return charts.empty() ? "no fingerings" : Joined(charts, "; ");
}
