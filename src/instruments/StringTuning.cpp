#include "instruments/StringTuning.h"

#include <charconv>
#include <vector>

#include "harmony/NoteSpeller.h"
#include "instruments/StringedInstrument.h"

namespace {

struct StringNote {
    std::string name;
    int octave = 0;
};

std::vector<std::string> SplitWords(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == ',' || c == '\t') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

bool ReadStringNote(const std::string& word, const CNoteSpeller& speller, StringNote& note)
{
    std::size_t hyphen = word.find('-');
    if (hyphen == std::string::npos || hyphen == 0)
        return false;
    NotePosition position;
    note.name = word.substr(0, hyphen);
    if (!speller.FindName(note.name, position))
        return false;
    const char* first = word.data() + hyphen + 1;
    const char* last = word.data() + word.size();
    auto [end, error] = std::from_chars(first, last, note.octave);
    return error == std::errc() && end == last && first != last && note.octave >= kLowestTuningOctave &&
           note.octave <= kHighestTuningOctave;
}

} // namespace

std::string FormatTuning(const StringedInstrument& instrument)
{
    std::string text;
    for (int i = 0; i < instrument.stringCount && i < StringedInstrument::kMaxStrings; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (!text.empty())
            text += "  ";
        text += std::string(instrument.tunings[index].Text()) + "-" + std::to_string(instrument.octaves[index]);
    }
    return text;
}

bool ReadTuning(std::string_view text, const CNoteSpeller& speller, StringedInstrument& instrument,
                std::string& problem)
{
    std::vector<std::string> words = SplitWords(text);
    if (static_cast<int>(words.size()) != instrument.stringCount) {
        problem = "Please give each of the " + std::to_string(instrument.stringCount) +
                  " strings a note and an octave, such as " + FormatTuning(instrument) + ".";
        return false;
    }
    std::vector<StringNote> notes(words.size());
    for (std::size_t i = 0; i < words.size(); ++i)
        if (!ReadStringNote(words[i], speller, notes[i])) {
            problem = "\"" + words[i] + "\" is not a note and an octave from " + std::to_string(kLowestTuningOctave) +
                      " to " + std::to_string(kHighestTuningOctave) + ", such as E-3.";
            return false;
        }
    for (std::size_t i = 0; i < notes.size(); ++i) {
        instrument.tunings[i].Set(notes[i].name);
        instrument.octaves[i] = notes[i].octave;
    }
    return true;
}
