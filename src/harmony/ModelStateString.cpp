#include "harmony/ModelState.h"
#include "harmony/Notation.h"
#include "text/ReadTokens.h"

namespace {

// Words up to the next "$" (or the end of the text), joined by single blanks.
std::string ReadWordsToDollar(std::string_view text, std::size_t& cursor)
{
    std::string words;
    while (cursor < text.size()) {
        std::string word = ReadToken(text, cursor);
        if (word == "$")
            break;
        if (!words.empty())
            words += ' ';
        words += word;
    }
    return words;
}

} // namespace

std::string CModelState::FormatModelState(int historySelection) const
{
    std::string chord = chordName.empty() ? "none" : chordName;
    return "_Model " + std::string(1, notation) + " " + keyName + " " + scaleName + " $ " + chord + " $ " +
           std::to_string(historySelection) + " " + FormatChordTones(chordTones);
}

bool CModelState::ParseModelState(std::string_view text, int& historySelection)
{
    std::size_t cursor = text.find("_Model");
    if (cursor == std::string_view::npos)
        return false;
    if (ReadToken(text, cursor).size() != 6)
        return false;
    std::string notationWord = ReadToken(text, cursor);
    if (notationWord.size() != 1 || !IsNotationCode(notationWord.front()))
        return false;
    notation = notationWord.front();
    if (!SelectKey(ReadToken(text, cursor)))
        return false;
    scaleName = ReadWordsToDollar(text, cursor);
    scaleIndex = scales_.FindByFullName(scaleName);
    chordName = ReadWordsToDollar(text, cursor);
    if (chordName == "none")
        chordName.clear();
    int chord = chordName.empty() ? 0 : FindChord(chordName);
    bool isScale = scaleIndex >= 0 && scales_.Record(scaleIndex).childCount == 1;  // not a group
    if (!isScale || chord < 0)
        return false;
    chordIndex = chord;
    historySelection = ReadInt(text, cursor);
    chordTones = ParseChordTones(text);
    return true;
}
