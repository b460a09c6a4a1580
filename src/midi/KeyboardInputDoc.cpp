#include "midi/KeyboardInputDoc.h"

#include "framework/Application.h"
#include "midi/MidiOutputError.h"
#include "midi/MidiPlayer.h"
#include "midi/ShortMessage.h"

namespace {

constexpr std::uint8_t kVelocity = 100;
constexpr std::uint8_t kStartMarker = 255;

}  // namespace

CKeyboardInputDoc::CKeyboardInputDoc(MidiPlayer& player) : player_(player)
{
    kind = 8;
    RegisterCommands();
}

void CKeyboardInputDoc::RegisterCommands()
{
    On(ID_RECORDER_RECORD, [this] { OnRecord(); });
    On(ID_RECORDER_PLAY, [this] { OnPlay(); });
    On(ID_RECORDER_STOP, [this] {
        StopRecording();
        // Stop during playback ends it at once, as in a MIDI window.
        EndOwnPlayback();
        playing = false;
    });
    // Playback always starts at the recording's start marker.
    On(ID_RECORDER_REWIND, [this] {
        StopRecording();
        EndOwnPlayback();
        playing = false;
    });
    // Pause, Loop and Parse are declared by nothing yet: greyed.
    RegisterSaveCommands();
}

bool CKeyboardInputDoc::OnNewDocument()
{
    SetTitle(kName);
    return true;
}

void CKeyboardInputDoc::OnCloseDocument()
{
    StopRecording();
    // A playback of this window's list must not outlive the list.
    EndOwnPlayback();
    CGeneralDoc::OnCloseDocument();
}

bool CKeyboardInputDoc::KeyDown(int keyCode)
{
    return SetKey(keyCode, 1);
}

bool CKeyboardInputDoc::KeyUp(int keyCode)
{
    return SetKey(keyCode, 0);
}

bool CKeyboardInputDoc::SetKey(int keyCode, int state)
{
    std::optional<int> key = RecorderKeyFor(keyCode);
    if (!key || keyState[static_cast<std::size_t>(*key)] == state)
        return false;
    std::array<int, kRecorderKeyCount> old = keyState;
    keyState[static_cast<std::size_t>(*key)] = state;
    SoundChanges(old);
    UpdateAllViews(nullptr);
    return true;
}

// Notes outside the 41 keys are recorded but shown nowhere.
void CKeyboardInputDoc::NoteInput(int note, bool on, int velocity)
{
    int key = note - kRecorderFirstNote;
    bool shown = key >= 0 && key < kRecorderKeyCount;
    if (shown)
        outsideKeys[static_cast<std::size_t>(key)] = on ? 1 : 0;
    if (recording)
        Append(on ? MidiKind::NoteOn : MidiKind::NoteOff, note, velocity, Now());
    if (shown)
        UpdateAllViews(nullptr);
}

void CKeyboardInputDoc::NotePlayed(int note, bool on)
{
    int key = note - kRecorderFirstNote;
    if (player_.PlayingList() != &playList_ || key < 0 || key >= kRecorderKeyCount)
        return;
    playedKeys[static_cast<std::size_t>(key)] = on ? 1 : 0;
    UpdateAllViews(nullptr);
}

bool CKeyboardInputDoc::KeyHeld(int key) const
{
    auto index = static_cast<std::size_t>(key);
    return keyState[index] != 0 || outsideKeys[index] != 0;
}

bool CKeyboardInputDoc::KeyMarked(int key) const
{
    return KeyHeld(key) || playedKeys[static_cast<std::size_t>(key)] != 0;
}

std::uint32_t CKeyboardInputDoc::Now() const
{
    return static_cast<std::uint32_t>(App().ports.clock ? App().ports.clock->NowMs() : 0);
}

void CKeyboardInputDoc::SoundChanges(const std::array<int, kRecorderKeyCount>& old)
{
    std::uint32_t now = Now();
    for (int i = 0; i < kRecorderKeyCount; ++i) {
        int before = old[static_cast<std::size_t>(i)];
        int after = keyState[static_cast<std::size_t>(i)];
        if (before == after)
            continue;
        int kind = after ? MidiKind::NoteOn : MidiKind::NoteOff;
        int note = kRecorderFirstNote + i;
        player_.Output().Send(ShortMessage(static_cast<std::uint32_t>(kind), note, kVelocity));
        if (recording)
            Append(kind, note, kVelocity, now);
    }
}

void CKeyboardInputDoc::Append(int kind, int note, int velocity, std::uint32_t now)
{
    if (!lastEventTime_)
        lastEventTime_ = now;
    MidiEvent event;
    event.kind = static_cast<std::uint8_t>(kind);
    event.data = MidiBytes{static_cast<std::uint8_t>(note), static_cast<std::uint8_t>(velocity & 0x7F)};
    event.time = AddTicks(events_.back().time, now - *lastEventTime_);
    lastEventTime_ = now;
    events_.push_back(event);
    unsaved_ = true;
}

void CKeyboardInputDoc::EndOwnPlayback()
{
    if (player_.PlayingList() == &playList_)
        player_.Stop();
}

// The window lets go of the output it held for the notes it records; the
// output closes unless someone else still holds it.
void CKeyboardInputDoc::StopRecording()
{
    recording = false;
    player_.Output().Release(this);
}

void CKeyboardInputDoc::OnRecord()
{
    if (!player_.Output().Hold(this)) {
        App().MessageBox(MidiOutputErrorText(player_.Output().Device()), MessageIcon::Warning);
        return;
    }
    // The list is replaced: a playback of it ends before its records go.
    EndOwnPlayback();
    lastEventTime_.reset();
    events_ = MidiEventList();
    MidiEvent marker;
    marker.kind = kStartMarker;
    marker.data = MidiBytes{42};
    events_.push_back(marker);
    recording = true;
}

// The recorded deltas are milliseconds, whatever MIDI file is current.
void CKeyboardInputDoc::OnPlay()
{
    if (player_.Playing())
        return;
    StopRecording();
    playList_ = PlayList::InOrder(events_);
    PlaybackRequest request;
    request.list = &playList_;
    request.ended = [this](const PlaybackEnd&) { playing = false; };
    playing = true;
    playedKeys = {};
    UpdateAllViews(nullptr);
    switch (player_.Start(std::move(request))) {
    case PlaybackStart::Started:
        return;
    case PlaybackStart::NoOutput:
        App().MessageBox(MidiOutputErrorText(player_.Output().Device()), MessageIcon::Warning);
        break;
    case PlaybackStart::Untimed:
    case PlaybackStart::Busy:
        break;
    }
    playing = false;
}
