#include "harmony/NotationDialog.h"

#include <string_view>

#include "framework/Prompts.h"

namespace {

constexpr std::string_view kNotationCodes = "ecpnrv";
constexpr std::string_view kChordSetCodes = "cfs";
constexpr std::string_view kChordToneCodes = "ni";
constexpr int kNotationList = 1048;
constexpr int kChordList = 1049;
constexpr int kChordToneList = 1050;

int PositionOf(std::string_view codes, char code)
{
    auto position = codes.find(code);
    return position == std::string_view::npos ? 0 : static_cast<int>(position);
}

char CodeAt(std::string_view codes, int position, char fallback)
{
    if (position < 0 || position >= static_cast<int>(codes.size()))
        return fallback;
    return codes[position];
}

} // namespace

char ChooseNotation(IPrompts& prompts, char notation, char& chordset, char& chordTones)
{
    DialogData dialog;
    dialog.resourceId = 117;
    dialog.caption = " Notation Method";
    auto& methods = dialog.Add(kNotationList, DialogControl::Kind::DropList, "Enharmonics:");
    methods.choices = {"Extended", "Condensed", "Positions", "Enumerated", "Roman", "Voiced"};
    methods.value = PositionOf(kNotationCodes, notation);
    auto& chords = dialog.Add(kChordList, DialogControl::Kind::DropList, "Chords:");
    chords.choices = {"Condensed", "First", "Second"};
    chords.value = PositionOf(kChordSetCodes, chordset);
    auto& tones = dialog.Add(kChordToneList, DialogControl::Kind::DropList, "Chord tones:");
    tones.choices = {"Names", "Interval numbers"};
    tones.value = PositionOf(kChordToneCodes, chordTones);
    if (prompts.RunDialog(dialog) != IDOK)
        return notation;
    chordset = CodeAt(kChordSetCodes, dialog.Find(kChordList)->value, chordset);
    chordTones = CodeAt(kChordToneCodes, dialog.Find(kChordToneList)->value, chordTones);
    return CodeAt(kNotationCodes, dialog.Find(kNotationList)->value, notation);
}
