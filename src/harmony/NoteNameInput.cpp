#include "harmony/NoteNameInput.h"

#include <array>
#include <cctype>

#include "harmony/IntervalSpelling.h"

namespace {

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The name without a trailing octave number ("C4", "A-1").
std::string_view WithoutOctave(std::string_view word)
{
    std::size_t end = word.size();
    while (end > 0 && IsDigit(word[end - 1]))
        --end;
    if (end < word.size() && end > 1 && word[end - 1] == '-')
        --end;
    return word.substr(0, end);
}

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\n' || c == '\r';
}

} // namespace

int ParseNoteName(std::string_view word)
{
    return PitchClassOfName(WithoutOctave(word));
}

std::string WrittenNoteName(std::string_view word)
{
    std::string name(WithoutOctave(word));
    if (!name.empty())
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

EnteredNotes ReadNoteNames(const std::vector<std::string>& words)
{
    EnteredNotes entered;
    for (const std::string& word : words) {
        int pitchClass = ParseNoteName(word);
        if (pitchClass < 0) {
            entered.unknown.push_back(word);
        } else {
            entered.pitches |= PitchBit(pitchClass);
            entered.names.push_back(WrittenNoteName(word));
        }
    }
    return entered;
}

EnteredNotes ReadNoteNames(std::string_view text)
{
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsSeparator(text[at]))
            ++at;
        std::size_t start = at;
        while (at < text.size() && !IsSeparator(text[at]))
            ++at;
        if (at > start)
            words.emplace_back(text.substr(start, at - start));
    }
    return ReadNoteNames(words);
}

std::string_view PlainNoteName(int pitchClass)
{
    static constexpr std::array<std::string_view, 12> kNames{"C",  "C#", "D",  "Eb", "E",  "F",
                                                             "F#", "G",  "Ab", "A",  "Bb", "B"};
    return kNames[static_cast<std::size_t>((pitchClass % 12 + 12) % 12)];
}

std::string PitchSetNames(PitchSet set)
{
    std::string names;
    for (int p = 0; p < 12; ++p) {
        if (!(set & PitchBit(p)))
            continue;
        if (!names.empty())
            names += ' ';
        names += PlainNoteName(p);
    }
    return names;
}
