#include "cli/ExaminedFile.h"

std::string NotAMidiFile(const std::string& path)
{
    return path + " is not a MIDI file of format 0 or 1";
}

std::optional<MidiExamination> ExamineForCli(const std::string& path, const MidiPlayer& player, std::ostream& err)
{
    MidiExamination examination = ExamineMidiFile(path, player);
    if (!examination.readable) {
        err << "morvix-cli: cannot read " << path << "\n";
        return std::nullopt;
    }
    for (const MidiNotice& notice : examination.file.notices)
        err << "message: " << notice.text << "\n";
    return examination;
}
