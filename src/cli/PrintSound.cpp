#include <ostream>

#include "app/ReferenceApp.h"
#include "app/SoundSetup.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"
#include "midi/MidiPlayer.h"

void PrintSound(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    if (!args.empty())
        throw ScriptError("usage: print sound");
    SoundSetup& sound = app.Sound();
    out << "output: " << sound.Output().name << "\n"
        << "soundfont: " << sound.SoundFontInUse() << "\n"
        << "volume: " << app.Player().Output().Volume() << "\n"
        << "outputs:\n";
    for (const MidiOutputEntry& entry : sound.Outputs())
        out << (entry.choice == sound.Output().choice ? "* " : "  ") << entry.name << "\n";
}
