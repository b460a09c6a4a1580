#include <ostream>

#include "cli/Subcommands.h"
#include "midi/MidiExamine.h"
#include "midi/MidiListing.h"
#include "midi/MidiPlayer.h"

// Loads a MIDI file as the MIDI window does and prints the listing, or with
// --play-list the merged play list. Its message boxes go to the error stream,
// so the output holds the listing alone.
int ExamineSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err)
{
    const bool playList = args.size() == 2 && args[0] == "--play-list";
    if (args.size() != 1 && !playList) {
        err << "usage: morvix-cli examine [--play-list] FILE\n";
        return 2;
    }
    const std::string& path = args.back();
    const MidiPlayer player;
    const MidiExamination examination = ExamineMidiFile(path, player);
    if (!examination.readable) {
        err << "morvix-cli: cannot read " << path << "\n";
        return 2;
    }
    for (const MidiNotice& notice : examination.file.notices)
        err << "message: " << notice.text << "\n";
    if (playList)
        WritePlayList(out, examination.file.playList);
    else
        WriteMidiListing(out, examination.file, player, path);
    return 0;
}

void ExamineHelp(std::ostream& out)
{
    out << "Prints the listing of the MIDI window: the path, the header line, one line per track\n"
           "and every track's records. Each message box loading shows goes to stderr as\n"
           "\"message: TEXT\".\n"
           "With --play-list it prints the merged play list instead, one record per line:\n"
           "absolute ticks, delta, kind (hex), channel, data bytes (hex, - for none), duration.\n"
           "Exit status 0 when the file was read (even with warnings), 2 when it cannot be read.\n";
}
