#include "instruments/WindInstrument.h"

#include "framework/Settings.h"
#include "harmony/NoteSpeller.h"
#include "text/ReadTokens.h"

void WindInstrument::SetDefaults(std::string_view entryText)
{
    std::size_t cursor = 0;
    tuning.Set(ReadToken(entryText, cursor));
    octave = ReadInt(entryText, cursor);
    clef = FirstCharOr(ReadToken(entryText, cursor), 'G');
    written = ReadInt(entryText, cursor);
    voice = ReadInt(entryText, cursor);
}

bool WindInstrument::LoadSettings(ISettings& settings, const std::string& section)
{
    std::string name = settings.GetString(section, "Tuning", "absent");
    if (name == "absent")
        return false;
    tuning.Set(name);
    octave = settings.GetInt(section, "Octave", 5);
    clef = FirstCharOr(settings.GetString(section, "Clef", "G"), 'G');
    written = settings.GetInt(section, "Written", 0);
    voice = settings.GetInt(section, "Voice", 74);
    return true;
}

void WindInstrument::SaveSettings(ISettings& settings, const std::string& section) const
{
    settings.WriteString(section, "Tuning", std::string(tuning.Text()));
    settings.WriteInt(section, "Octave", octave);
    settings.WriteString(section, "Clef", std::string(1, clef));
    settings.WriteInt(section, "Written", written);
    settings.WriteInt(section, "Voice", voice);
}

std::string WindInstrument::FormatState() const
{
    std::string text = "_Recorder ";
    text += tuning.Empty() ? std::string_view("C") : tuning.Text();
    text += ' ' + std::to_string(octave) + ' ';
    text += clef;
    text += ' ' + std::to_string(written) + ' ' + std::to_string(voice);
    return text;
}

bool WindInstrument::ParseState(std::string_view text, const CNoteSpeller& speller)
{
    std::size_t cursor = text.find("_Recorder");
    if (cursor == std::string_view::npos || ReadToken(text, cursor).size() != 9)
        return false;
    std::string name = ReadToken(text, cursor);
    NotePosition position;
    tuning.Set(speller.FindName(name, position) ? name : "C");
    octave = ReadInt(text, cursor);
    clef = FirstCharOr(ReadToken(text, cursor), clef);
    written = ReadInt(text, cursor);
    voice = ReadInt(text, cursor);
    return true;
}
