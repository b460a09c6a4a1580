#include "midi/MidiDoc.h"

#include "framework/Application.h"
#include "midi/MidiCommands.h"
#include "midi/MidiExamine.h"
#include "midi/MidiOutputError.h"
#include "midi/MidiPlayer.h"
#include "midi/PlayListLookup.h"
#include "midi/QueueDialog.h"

CMidiDoc::CMidiDoc(MidiPlayer& player, bool restoringLayout) : CGeneralDoc(restoringLayout), player_(player)
{
    kind = 6;
    playback_.list = &file_.events;
    RegisterCommands();
}

void CMidiDoc::RegisterCommands()
{
    On(ID_MIDI_PLAY, [this] { OnPlay(); });
    On(ID_MIDI_STOP, [this] { OnStop(); });
    On(ID_MIDI_REWIND, [this] { playback_.queuePosition.reset(); });
    On(ID_MIDI_QUEUE, [this] { OnQueue(); });
    OnRange(
        ID_RATE_FIRST, ID_RATE_LAST,
        [this](int id) {
            if (const RateCommand* rate = FindRateCommand(id))
                playback_.rate = rate->rate;
        },
        [this](int id, CommandState& state) {
            const RateCommand* rate = FindRateCommand(id);
            state.checked = rate && rate->rate == playback_.rate;
        });
}

bool CMidiDoc::OnNewDocument()
{
    return false;  // a MIDI window always shows a file
}

bool CMidiDoc::OnOpenDocument(const std::string& path)
{
    MidiExamination examination = ExamineMidiFile(path, player_);
    if (!examination.readable) {
        App().MessageBox("Cannot read the file " + path + ".", MessageIcon::Warning);
        return false;
    }
    file_ = std::move(examination.file);
    listing_ = MidiListing(file_, path);
    playback_.list = &file_.events;
    playback_.division = file_.division;
    playback_.programSummary = &file_.programSummary;
    playback_.queuePosition.reset();
    player_.SetCurrentDocument(&playback_);
    SetPathName(path);
    UpdateAllViews(nullptr);
    ShowNotices();
    return true;
}

bool CMidiDoc::OnSaveDocument(const std::string&)
{
    return true;  // nothing is written back to a MIDI file
}

// Closing any MIDI window ends a running playback at its next record.
void CMidiDoc::OnCloseDocument()
{
    restartRequested_ = false;
    player_.DocumentClosed();
    CGeneralDoc::OnCloseDocument();
}

void CMidiDoc::BecomeCurrent()
{
    player_.SetCurrentDocument(&playback_);
}

void CMidiDoc::ShowNotices()
{
    for (const MidiNotice& notice : file_.notices)
        if (notice.icon == MidiNoticeIcon::Warning)
            App().MessageBox(notice.text, MessageIcon::Warning);
        else if (!RestoringLayout())
            App().MessageBox(notice.text, MessageIcon::Information);
}

void CMidiDoc::OnPlay()
{
    do {
        restartRequested_ = false;
    } while (PlayOnce() && restartRequested_);
}

// A restart closes the output between the two runs, which silences the
// notes the first one left sounding.
bool CMidiDoc::PlayOnce()
{
    IPlaybackHost* host = player_.Host();
    if (player_.Playing() || (host && host->PlaybackRunning()))
        return false;
    if (!player_.OpenOutput()) {
        App().MessageBox(MidiOutputErrorText(App().ports.midiOut), MessageIcon::Warning);
        return false;
    }
    if (host)
        host->PreparePlayback(file_.events, 0, file_.division);
    player_.SetCurrentDocument(&playback_);
    player_.SetHead(&file_.events, 0);
    player_.PlayList(DeltaUnit::DocumentTicks);
    player_.CloseOutput();
    if (host)
        host->FinishPlayback();
    return true;
}

void CMidiDoc::PlayFromLine(std::size_t line)
{
    const std::optional<std::size_t> start = PlayStartForLine(file_, listing_, line);
    if (!start)
        return;
    playback_.queuePosition = QueuePositionFor({file_.events.size(), *start});
    if (!player_.Playing()) {
        OnPlay();
        return;
    }
    // Another window's playback goes on; this file is queued for its next Play.
    if (player_.HeadList() == &file_.events) {
        restartRequested_ = true;
        player_.ClearCursor();
    }
}

void CMidiDoc::OnStop()
{
    restartRequested_ = false;
    std::optional<std::size_t> cursor = player_.Cursor();
    if (!cursor)
        return;
    // The cursor indexes the list being played: only this file's own list
    // gives this file a queue position.
    if (player_.HeadList() == &file_.events)
        playback_.queuePosition = cursor;
    player_.ClearCursor();
}

void CMidiDoc::OnQueue()
{
    QueueChoice shown{file_.events.size(), playback_.queuePosition.value_or(0)};
    DialogData dialog = MakeQueueDialog(shown);
    if (App().ports.prompts->RunDialog(dialog) != IDOK)
        return;
    playback_.queuePosition = QueuePositionFor(ReadQueueDialog(dialog, shown));
}
