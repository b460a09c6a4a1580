#include <ostream>

#include "cli/Catalogues.h"
#include "cli/ExaminedFile.h"
#include "cli/Subcommands.h"
#include "harmony/ChordIdentifier.h"
#include "harmony/IdentifyText.h"
#include "harmony/NoteNameInput.h"
#include "harmony/PlayedNotes.h"
#include "midi/MidiDoc.h"
#include "midi/MidiPlayer.h"
#include "midi/SoundingChanges.h"

namespace {

constexpr const char* kUsage = "usage: morvix-cli identify NOTE... | --file FILE\n";

// One line per change of the notes sounding: when, the notes (lowest
// first), and the first answer as "identify NOTE..." gives it.
int IdentifyFile(const std::string& path, std::ostream& out, std::ostream& err)
{
    const MidiPlayer player;
    const std::optional<MidiExamination> examination = ExamineForCli(path, player, err);
    if (!examination)
        return 2;
    if (!examination->file.parsed) {
        err << "morvix-cli identify: " << NotAMidiFile(path) << "\n";
        return 2;
    }
    if (examination->file.division == 0) {
        err << "morvix-cli identify: " << CMidiDoc::kUntimedError << "\n";
        return 2;
    }
    Catalogues catalogues;
    if (!catalogues.Load(err))
        return 2;
    CChordIdentifier identifier(catalogues.scales, catalogues.chords);
    std::string shown;
    for (const SoundingChange& change : SoundingChangesOf(examination->file)) {
        const PlayedNotes played = PlayedFromNoteNumbers(change.notes);
        const std::string notes = played.pitchClasses.empty() ? "-" : played.Text();
        if (notes == shown)
            continue;
        shown = notes;
        const std::vector<IdentifyResult> results = identifier.Identify(played);
        out << change.timeMs << '\t' << notes << '\t'
            << (results.empty() ? std::string("-") : IdentifyLine(results.front(), catalogues.scales, catalogues.chords))
            << '\n';
    }
    return 0;
}

}  // namespace

int IdentifySubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err)
{
    if (!args.empty() && args[0] == "--file") {
        if (args.size() != 2) {
            err << kUsage;
            return 2;
        }
        return IdentifyFile(args[1], out, err);
    }
    if (args.empty()) {
        err << kUsage;
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
           "With --file FILE, names what a Standard MIDI File plays over its whole play list, as\n"
           "the Identify window does while it plays: one line per change of the notes sounding\n"
           "(the percussion channel left out), TIME_MS, the notes lowest first (- in a rest) and\n"
           "the first answer as above (- when there is none), separated by tabs.\n"
           "Exit status 2 for a name that is not a note, when no note is given, or for a file\n"
           "that cannot be read or played.\n";
}
