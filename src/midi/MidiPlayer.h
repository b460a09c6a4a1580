#pragma once
// The application-wide MIDI player: the MIDI name tables, the output, and
// the timed loop that sends a list of records to the output while the
// application goes on handling commands in the clock's pauses.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "framework/Services.h"
#include "midi/MidiEvent.h"
#include "midi/MidiNames.h"
#include "midi/PlaybackHost.h"
#include "midi/PlaybackSchedule.h"
#include "midi/PlaybackSettings.h"

struct MidiPlayerPorts {
    IMidiOut* output = nullptr;
    IClock* clock = nullptr;
    IPlaybackHost* host = nullptr;
};

// How a list's deltas are timed: ticks through the current document's tempo
// and division (milliseconds without one), or milliseconds as recorded.
enum class DeltaUnit { DocumentTicks, Milliseconds };

class MidiPlayer {
public:
    // The name tables alone: nothing can be played.
    MidiPlayer() : MidiPlayer(MidiPlayerPorts{}) {}
    explicit MidiPlayer(MidiPlayerPorts ports);

    const NoteTable noteTable;
    const ProgramNameTable programNames;

    IPlaybackHost* Host() const { return ports_.host; }
    // False when there is no output or it cannot be opened.
    bool OpenOutput();
    void CloseOutput();
    void Send(std::uint32_t message);

    void SetHead(const MidiEventList* list, std::size_t first);
    const MidiEventList* HeadList() const { return list_; }
    std::optional<std::size_t> Cursor() const { return cursor_; }
    // Ends a running loop at its next check.
    void ClearCursor() { cursor_.reset(); }

    PlaybackSettings* CurrentDocument() const { return current_; }
    void SetCurrentDocument(PlaybackSettings* settings) { current_ = settings; }
    // Any MIDI document closing ends the playback and forgets the current document.
    void DocumentClosed();

    // True while PlayList runs: a second playback must not start inside it.
    bool Playing() const { return playing_; }
    // Plays from the head to the end of its list or until the cursor is cleared.
    void PlayList(DeltaUnit unit);

private:
    struct Timing {
        PlaybackSettings* document = nullptr;
        std::uint32_t tempo = 1000;  // with division 1: a delta is milliseconds
        unsigned division = 1;
        double rate = 1.0;
    };
    Timing CurrentTiming(DeltaUnit unit) const;
    // Plays record index; false when the loop is to end.
    bool PlayRecord(std::size_t index, const Timing& timing);
    bool FastForwarding(const MidiEvent& event, const Timing& timing) const;
    void WaitUntilDue(double dueMs);
    double Now() const { return static_cast<double>(ports_.clock->NowMs()); }

    MidiPlayerPorts ports_;
    const MidiEventList* list_ = nullptr;
    std::size_t head_ = 0;
    std::optional<std::size_t> cursor_;
    PlaybackSettings* current_ = nullptr;
    PlaybackSchedule schedule_;
    PlaybackSettings* scheduledFor_ = nullptr;
    bool playing_ = false;
    std::uint64_t elapsedTicks_ = 0;
    std::uint64_t lastShownTick_ = 0;
    std::uint64_t shownStep_ = 1;
};
