#include "instruments/StringedInstrument.h"

#include <algorithm>

#include "framework/Settings.h"
#include "harmony/NoteSpeller.h"
#include "text/ReadTokens.h"

namespace {

// The words after the string count that are not strings: the catalogue's
// clef, written offset and voice; the layout's clef, written offset, voice,
// fret count and five drawing choices.
constexpr int kCatalogueTail = 3;
constexpr int kLayoutTail = 9;

// The words from cursor to the end of the text or the next tagged part.
int WordsOfPart(std::string_view text, std::size_t cursor)
{
    int words = 0;
    for (std::string word = ReadToken(text, cursor); !word.empty() && word.front() != '_';
         word = ReadToken(text, cursor))
        ++words;
    return words;
}

// A count above the note and octave pairs present takes the pairs present.
int PresentStrings(int declared, int words, int tail)
{
    return std::clamp(std::min(declared, (words - tail) / 2), 0, std::max(declared, 0));
}

// A one-letter choice of the layout part; a tagged word is the next part,
// never a choice, or the string written back would end the part early.
char ChoiceOr(std::string_view word, char fallback)
{
    return !word.empty() && word.front() == '_' ? fallback : FirstCharOr(word, fallback);
}

} // namespace

int BoundFretCount(int fretCount)
{
    return std::clamp(fretCount, 0, StringedInstrument::kMaxFrets);
}

CountedStrings CountCatalogueStrings(std::string_view entryText)
{
    std::size_t cursor = 0;
    ReadToken(entryText, cursor);  // fret status
    CountedStrings strings;
    strings.declared = ReadInt(entryText, cursor);
    strings.listed = PresentStrings(strings.declared, WordsOfPart(entryText, cursor), kCatalogueTail);
    return strings;
}

int BoundCapo(int capo)
{
    return std::clamp(capo, 0, StringedInstrument::kMaxFrets);
}

void StringedInstrument::SetDefaults(std::string_view entryText)
{
    std::size_t cursor = 0;
    fretStatus = FirstCharOr(ReadToken(entryText, cursor), 'y');
    ReadInt(entryText, cursor);
    int present = CountCatalogueStrings(entryText).listed;
    stringCount = std::min(present, kMaxStrings);
    tunings.fill(NoteCell{});
    octaves.fill(0);
    // Strings past the table are read over, so the clef, written offset and
    // voice behind them still arrive.
    for (int i = 0; i < present; ++i) {
        std::string name = ReadToken(entryText, cursor);
        int octave = ReadInt(entryText, cursor);
        if (i < kMaxStrings) {
            tunings[static_cast<std::size_t>(i)].Set(name);
            octaves[static_cast<std::size_t>(i)] = octave;
        }
    }
    clef = FirstCharOr(ReadToken(entryText, cursor), 'G');
    written = ReadInt(entryText, cursor);
    voice = ReadInt(entryText, cursor);
    handedness = 'r';
    perspective = 'r';
    fretCount = 22;
    stringType = 's';
    orientation = 'a';
    capo = 0;
}

bool StringedInstrument::LoadSettings(ISettings& settings, const std::string& section)
{
    int count = settings.GetInt(section, "N", -1);
    if (count < 0 || count > kMaxStrings)
        return false;
    stringCount = count;
    tunings.fill(NoteCell{});
    octaves.fill(0);
    for (int i = 0; i < count; ++i) {
        std::string number = std::to_string(i + 1);
        tunings[static_cast<std::size_t>(i)].Set(settings.GetString(section, "Tuning" + number, "C"));
        octaves[static_cast<std::size_t>(i)] = settings.GetInt(section, "Octave" + number, 5);
    }
    clef = FirstCharOr(settings.GetString(section, "Clef", "G"), 'G');
    written = settings.GetInt(section, "Written", 0);
    voice = settings.GetInt(section, "Voice", 24);
    fretCount = BoundFretCount(settings.GetInt(section, "FretCount", 22));
    fretStatus = FirstCharOr(settings.GetString(section, "Fretstat", "y"), 'y');
    stringType = FirstCharOr(settings.GetString(section, "StringType", "s"), 's');
    handedness = FirstCharOr(settings.GetString(section, "Handedness", "r"), 'r');
    orientation = FirstCharOr(settings.GetString(section, "Orientation", "a"), 'a');
    perspective = FirstCharOr(settings.GetString(section, "Perspective", "n"), 'n');
    capo = BoundCapo(settings.GetInt(section, "Capo", 0));
    return true;
}

void StringedInstrument::SaveSettings(ISettings& settings, const std::string& section) const
{
    settings.WriteInt(section, "N", stringCount);
    for (int i = 0; i < stringCount; ++i) {
        std::string number = std::to_string(i + 1);
        settings.WriteString(section, "Tuning" + number, std::string(tunings[static_cast<std::size_t>(i)].TextOr("C")));
        settings.WriteInt(section, "Octave" + number, octaves[static_cast<std::size_t>(i)]);
    }
    settings.WriteInt(section, "FretCount", fretCount);
    settings.WriteString(section, "Clef", std::string(1, clef));
    settings.WriteInt(section, "Written", written);
    settings.WriteInt(section, "Voice", voice);
    settings.WriteString(section, "StringType", std::string(1, stringType));
    settings.WriteString(section, "Fretstat", std::string(1, fretStatus));
    settings.WriteString(section, "Handedness", std::string(1, handedness));
    settings.WriteString(section, "Orientation", std::string(1, orientation));
    settings.WriteString(section, "Perspective", std::string(1, perspective));
    settings.WriteInt(section, "Capo", capo);
}

std::string StringedInstrument::FormatState() const
{
    std::string text = "_Stringed " + std::to_string(stringCount);
    for (int i = 0; i < stringCount; ++i) {
        text += ' ';
        text += tunings[static_cast<std::size_t>(i)].TextOr("C");
        text += ' ' + std::to_string(octaves[static_cast<std::size_t>(i)]);
    }
    text += ' ';
    text += clef;
    text += ' ' + std::to_string(written) + ' ' + std::to_string(voice) + ' ' + std::to_string(fretCount);
    for (char option : {stringType, fretStatus, handedness, orientation, perspective}) {
        text += ' ';
        text += option;
    }
    if (capo != 0)
        text += " _Capo " + std::to_string(capo);
    return text;
}

bool StringedInstrument::ParseState(std::string_view text, const CNoteSpeller& speller)
{
    std::size_t cursor = text.find("_Stringed");
    if (cursor == std::string_view::npos || ReadToken(text, cursor).size() != 9)
        return false;
    StringedInstrument read = *this;
    read.stringCount = ReadInt(text, cursor);
    if (read.stringCount < 0 || read.stringCount > kMaxStrings)
        return false;
    read.stringCount = PresentStrings(read.stringCount, WordsOfPart(text, cursor), kLayoutTail);
    read.tunings.fill(NoteCell{});
    read.octaves.fill(0);
    for (int i = 0; i < read.stringCount; ++i) {
        std::string name = ReadToken(text, cursor);
        NotePosition position;
        read.tunings[static_cast<std::size_t>(i)].Set(speller.FindName(name, position) ? name : "C");
        read.octaves[static_cast<std::size_t>(i)] = ReadInt(text, cursor);
    }
    read.clef = ChoiceOr(ReadToken(text, cursor), clef);
    read.written = ReadInt(text, cursor);
    read.voice = ReadInt(text, cursor);
    read.fretCount = BoundFretCount(ReadInt(text, cursor));
    for (char* option : {&read.stringType, &read.fretStatus, &read.handedness, &read.orientation, &read.perspective})
        *option = ChoiceOr(ReadToken(text, cursor), *option);
    read.capo = 0;
    if (std::size_t capoAt = text.find("_Capo", cursor); capoAt != std::string_view::npos) {
        cursor = capoAt;
        if (ReadToken(text, cursor).size() == 5)
            read.capo = BoundCapo(ReadInt(text, cursor));
    }
    *this = read;
    return true;
}
