#include "cli/ExaminedFile.h"

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
