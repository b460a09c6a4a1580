#include "midi/MidiDoc.h"

#include "framework/Application.h"
#include "midi/MidiCommands.h"
#include "midi/MidiExamine.h"
#include "midi/MidiOutputError.h"
#include "midi/MidiPlayer.h"
#include "midi/QueueDialog.h"
#include "midi/ShortMessage.h"

CMidiDoc::CMidiDoc(MidiPlayer& player, bool restoringLayout) : CGeneralDoc(restoringLayout), player_(player)
{
    kind = 6;
    playback_.list = &file_.playList;
    RegisterCommands();
}

void CMidiDoc::RegisterCommands()
{
    On(ID_MIDI_PLAY, [this] { StartPlayback(); });
    On(ID_MIDI_STOP, [this] { OnStop(); });
    On(ID_MIDI_REWIND, [this] { playback_.Unqueue(); });
    On(ID_MIDI_QUEUE, [this] { OnQueue(); });
    OnRange(
        ID_RATE_FIRST, ID_RATE_LAST,
        [this](int id) {
            if (const RateCommand* rate = FindRateCommand(id))
                SetRate(rate->rate);
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
    listing_ = MidiListing(file_, player_, path);
    playback_.list = &file_.playList;
    playback_.division = file_.division;
    playback_.programSummary = &file_.programSummary;
    playback_.Unqueue();
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

// Closing the playing window ends its playback.
void CMidiDoc::OnCloseDocument()
{
    restartRequested_ = false;
    player_.DocumentClosed(&playback_);
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

bool CMidiDoc::IsPlaying() const
{
    return player_.PlayingDocument() == &playback_;
}

bool CMidiDoc::StartPlayback()
{
    PlaybackRequest request;
    request.list = &file_.playList;
    request.document = &playback_;
    request.drivesModel = true;
    request.played = [this](std::size_t index) { OnRecordPlayed(index); };
    request.ended = [this](const PlaybackEnd& end) { OnPlaybackEnded(end); };
    switch (player_.Start(std::move(request))) {
    case PlaybackStart::Started:
        return true;
    case PlaybackStart::Untimed:
        App().MessageBox(kUntimedError, MessageIcon::Warning);
        return false;
    case PlaybackStart::NoOutput:
        App().MessageBox(MidiOutputErrorText(player_.Output().Device()), MessageIcon::Warning);
        return false;
    case PlaybackStart::Busy:
        return false;
    }
    return false;
}

// A finished run forgets where a Stop left it, so the next Play starts at
// the beginning (or at the record the Queue dialog chose); a stopped one
// resumes there.
void CMidiDoc::OnPlaybackEnded(const PlaybackEnd& end)
{
    ClearPlayedLines();
    if (restartRequested_) {
        restartRequested_ = false;
        StartPlayback();
    } else if (end.finished) {
        if (playback_.queuedByStop)
            playback_.Unqueue();
    } else {
        playback_.queuePosition = end.next;
        playback_.queuedByStop = true;
    }
}

// The measure track is left out: its bar lines would be a second mark
// jumping at every bar.
void CMidiDoc::OnRecordPlayed(std::size_t index)
{
    const std::optional<ListedRecord> record = ListedRecordAt(file_, index);
    if (!record || record->list >= file_.trackCount())
        return;
    playedRecords_.resize(file_.trackCount());
    playedRecords_[record->list] = record->index;
    if (!firstPlayedTrack_)
        firstPlayedTrack_ = record->list;
    const MidiEvent& event = file_.playList[index];
    if (IsSoundingNoteOn(event))
        lastNoteTrack_ = record->list;
    UpdateAllViews(nullptr, kHintPlayedLine);
}

void CMidiDoc::ClearPlayedLines()
{
    if (!firstPlayedTrack_)
        return;
    playedRecords_.clear();
    firstPlayedTrack_.reset();
    lastNoteTrack_.reset();
    UpdateAllViews(nullptr, kHintPlayedLine);
}

std::optional<std::size_t> CMidiDoc::PlayedLine(std::size_t track) const
{
    if (track >= playedRecords_.size() || !playedRecords_[track])
        return std::nullopt;
    return listing_.LineOf({track, *playedRecords_[track]});
}

bool CMidiDoc::IsPlayedLine(std::size_t line) const
{
    const std::optional<ListedRecord> record = listing_.RecordAt(line);
    return record && record->list < playedRecords_.size() && playedRecords_[record->list] == record->index;
}

bool CMidiDoc::TrackPlaying(std::size_t track) const
{
    if (track >= playedRecords_.size() || !playedRecords_[track])
        return false;
    const std::span<const MidiEvent> events = file_.TrackEvents(track);
    const std::size_t next = *playedRecords_[track] + 1;
    return next < events.size() && events[next].kind != MidiKind::EndOfTrack;
}

std::optional<std::size_t> CMidiDoc::LeadingTrack() const
{
    return lastNoteTrack_ ? lastNoteTrack_ : firstPlayedTrack_;
}

void CMidiDoc::PlayFromLine(std::size_t line)
{
    const std::optional<std::size_t> start = PlayStartForLine(file_, listing_, line);
    if (!start)
        return;
    playback_.queuePosition = QueuePositionFor({file_.playList.size(), *start});
    playback_.queuedByStop = false;
    if (!player_.Playing()) {
        StartPlayback();
        return;
    }
    // Another window's playback goes on; this file is queued for its next Play.
    if (IsPlaying()) {
        restartRequested_ = true;
        player_.Stop();
    }
}

// Stop ends whatever plays; the playing file remembers where.
void CMidiDoc::OnStop()
{
    restartRequested_ = false;
    player_.Stop();
}

void CMidiDoc::OnQueue()
{
    QueueChoice shown{file_.playList.size(), playback_.queuePosition.value_or(0)};
    DialogData dialog = MakeQueueDialog(shown);
    if (App().ports.prompts->RunDialog(dialog) != IDOK)
        return;
    playback_.queuePosition = QueuePositionFor(ReadQueueDialog(dialog, shown));
    playback_.queuedByStop = false;
    if (IsPlaying())
        player_.Retime();
}

void CMidiDoc::SetRate(double rate)
{
    playback_.rate = rate;
    if (IsPlaying())
        player_.Retime();
}
