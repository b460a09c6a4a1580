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
        CloseIfRecording();
        // Stop during playback ends it at the next note, as in a MIDI window.
        EndOwnPlayback();
        recording = playing = false;
    });
    On(ID_RECORDER_REWIND, [this] {
        CloseIfRecording();
        recording = playing = false;
        player_.SetHead(events_.empty() ? nullptr : &events_, 0);
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
    if (recording || playing)
        player_.CloseOutput();
    // A playback of this window's list must not outlive the list.
    EndOwnPlayback();
    if (player_.HeadList() == &events_)
        player_.SetHead(nullptr, 0);
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
    if (player_.HeadList() != &events_ || key < 0 || key >= kRecorderKeyCount)
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
        player_.Send(static_cast<std::uint32_t>(kind | note << 8 | kVelocity << 16));
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
    event.delta = now - *lastEventTime_;
    event.time = events_.back().time + event.delta;
    event.text = events_.Texts().Store(kind == MidiKind::NoteOn ? "NoteOn" : "NoteOff");
    lastEventTime_ = now;
    events_.push_back(event);
    unsaved_ = true;
}

void CKeyboardInputDoc::EndOwnPlayback()
{
    if (player_.Playing() && player_.HeadList() == &events_)
        player_.ClearCursor();
}

void CKeyboardInputDoc::CloseIfRecording()
{
    if (recording)
        player_.CloseOutput();
}

void CKeyboardInputDoc::OnRecord()
{
    if (!player_.OpenOutput()) {
        App().MessageBox(MidiOutputErrorText(App().ports.midiOut), MessageIcon::Warning);
        return;
    }
    // The list is replaced: a playback of it ends before its records go.
    EndOwnPlayback();
    lastEventTime_.reset();
    events_ = MidiEventList();
    MidiEvent marker;
    marker.kind = kStartMarker;
    marker.data = MidiBytes{42};
    marker.text = events_.Texts().Store("Meta Text Start");
    events_.push_back(marker);
    recording = true;
    player_.SetHead(&events_, 0);
}

void CKeyboardInputDoc::OnPlay()
{
    IPlaybackHost* host = player_.Host();
    if (player_.Playing() || (host && host->PlaybackRunning()))
        return;
    CloseIfRecording();
    if (!player_.OpenOutput()) {
        App().MessageBox(MidiOutputErrorText(App().ports.midiOut), MessageIcon::Warning);
        return;
    }
    recording = false;
    playing = true;
    player_.SetHead(events_.empty() ? nullptr : &events_, 0);
    // The recorded deltas are milliseconds, whatever MIDI file is current.
    player_.PlayList(DeltaUnit::Milliseconds);
    if (host)
        host->SetLive(false);
    playedKeys = {};
    UpdateAllViews(nullptr);
    // Record pressed during the playback keeps the output for its notes.
    if (!recording)
        player_.CloseOutput();
    playing = false;
}
