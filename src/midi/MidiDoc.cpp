#include "midi/MidiDoc.h"

#include "framework/Application.h"
#include "midi/MidiExamine.h"

bool CMidiDoc::OnNewDocument()
{
    return false;  // a MIDI window always shows a file
}

bool CMidiDoc::OnOpenDocument(const std::string& path)
{
    MidiExamination examination = ExamineMidiFile(path, names_);
    if (!examination.readable) {
        App().MessageBox("Cannot read the file " + path + ".", MessageIcon::Warning);
        return false;
    }
    file_ = std::move(examination.file);
    listing_ = MidiListing(file_, path);
    SetPathName(path);
    UpdateAllViews(nullptr);
    ShowNotices();
    return true;
}

bool CMidiDoc::OnSaveDocument(const std::string&)
{
    return true;  // nothing is written back to a MIDI file
}

void CMidiDoc::ShowNotices()
{
    for (const MidiNotice& notice : file_.notices)
        App().MessageBox(notice.text, notice.icon == MidiNoticeIcon::Warning ? MessageIcon::Warning
                                                                              : MessageIcon::Information);
}
