#include <ostream>

#include "cli/Catalogues.h"
#include "cli/Subcommands.h"
#include "harmony/ChordIdentifier.h"
#include "harmony/IdentifyText.h"
#include "harmony/NoteNameInput.h"
#include "harmony/PlayedNotes.h"

int IdentifySubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << "usage: morvix-cli identify NOTE...\n";
        return 2;
    }
    EnteredNotes entered = ReadNoteNames(args);
    for (const std::string& name : entered.unknown)
        err << "morvix-cli: \"" << name << "\" is not a note name\n";
    if (!entered.unknown.empty())
        return 2;

    // Only the scale and chord catalogues: nothing that sounds is loaded.
    Catalogues catalogues;
    if (!catalogues.Load(err))
        return 2;
    CChordIdentifier identifier(catalogues.scales, catalogues.chords);
    for (const IdentifyResult& result : identifier.Identify(PlayedFromNames(entered.names)))
        out << IdentifyLine(result, catalogues.scales, catalogues.chords) << '\n';
    return 0;
}

void IdentifyHelp(std::ostream& out)
{
    out << "NOTE is a letter A-G in either case with any number of # or b; an octave\n"
           "number after it is ignored (C4, eb, F##). One line per result, fields\n"
           "separated by tabs: chord or scale, key, the scale's full name, the chord's\n"
           "short name (- for a scale). Chords whose tones are exactly the notes come\n"
           "first, the one a musician would name first at the top: fixed-interval\n"
           "chords before chords taken from a scale, chords on the first NOTE first,\n"
           "the names typed kept where they spell the chord. Then the scales that\n"
           "hold them all, fewest extra notes first.\n"
           "Exit status 2 for a name that is not a note or when no note is given.\n";
}
