#include "instruments/KeyboardInstrument.h"

#include <algorithm>

#include "framework/Settings.h"
#include "harmony/NoteSpeller.h"
#include "text/ReadTokens.h"

int BoundKeyCount(int keyCount)
{
    return std::clamp(keyCount, 0, KeyboardInstrument::kMaxKeys);
}

void KeyboardInstrument::SetDefaults(std::string_view entryText)
{
    std::size_t cursor = 0;
    keyCount = BoundKeyCount(ReadInt(entryText, cursor));
    tuning.Set(ReadToken(entryText, cursor));
    octave = ReadInt(entryText, cursor);
    clef = FirstCharOr(ReadToken(entryText, cursor), 'G');
    written = ReadInt(entryText, cursor);
    voice = ReadInt(entryText, cursor);
    topKey = 'o';
    position = 's';
    orientation = 'a';
    perspective = 'n';
}

bool KeyboardInstrument::LoadSettings(ISettings& settings, const std::string& section)
{
    int count = settings.GetInt(section, "N", -1);
    if (count == -1)
        return false;
    keyCount = BoundKeyCount(count);
    tuning.Set(settings.GetString(section, "Tuning", "C"));
    octave = settings.GetInt(section, "Octave", 5);
    clef = FirstCharOr(settings.GetString(section, "Clef", "G"), 'G');
    written = settings.GetInt(section, "Written", 0);
    voice = settings.GetInt(section, "Voice", 0);
    topKey = FirstCharOr(settings.GetString(section, "TopKey", "o"), 'o');
    position = FirstCharOr(settings.GetString(section, "Position", "s"), 's');
    orientation = FirstCharOr(settings.GetString(section, "Orientation", "a"), 'a');
    perspective = FirstCharOr(settings.GetString(section, "Perspective", "n"), 'n');
    return true;
}

void KeyboardInstrument::SaveSettings(ISettings& settings, const std::string& section) const
{
    settings.WriteInt(section, "N", keyCount);
    settings.WriteString(section, "Tuning", std::string(tuning.TextOr("C")));
    settings.WriteInt(section, "Octave", octave);
    settings.WriteString(section, "Clef", std::string(1, clef));
    settings.WriteInt(section, "Written", written);
    settings.WriteInt(section, "Voice", voice);
    settings.WriteString(section, "TopKey", std::string(1, topKey));
    settings.WriteString(section, "Position", std::string(1, position));
    settings.WriteString(section, "Orientation", std::string(1, orientation));
    settings.WriteString(section, "Perspective", std::string(1, perspective));
}

std::string KeyboardInstrument::FormatState() const
{
    std::string text = "_Keyboard " + std::to_string(keyCount) + ' ';
    text += tuning.TextOr("C");
    text += ' ' + std::to_string(octave) + ' ';
    text += clef;
    text += ' ' + std::to_string(written) + ' ' + std::to_string(voice);
    for (char option : {topKey, position, orientation, perspective}) {
        text += ' ';
        text += option;
    }
    return text;
}

bool KeyboardInstrument::ParseState(std::string_view text, const CNoteSpeller& speller)
{
    std::size_t cursor = text.find("_Keyboard");
    if (cursor == std::string_view::npos || ReadToken(text, cursor).size() != 9)
        return false;
    KeyboardInstrument read = *this;
    read.keyCount = BoundKeyCount(ReadInt(text, cursor));
    std::string name = ReadToken(text, cursor);
    NotePosition position;
    read.tuning.Set(speller.FindName(name, position) ? name : "C");
    read.octave = ReadInt(text, cursor);
    read.clef = FirstCharOr(ReadToken(text, cursor), clef);
    read.written = ReadInt(text, cursor);
    read.voice = ReadInt(text, cursor);
    for (char* option : {&read.topKey, &read.position, &read.orientation, &read.perspective})
        *option = FirstCharOr(ReadToken(text, cursor), *option);
    *this = read;
    return true;
}
