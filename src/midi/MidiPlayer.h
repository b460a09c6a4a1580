#pragma once
// The application-wide MIDI player: the MIDI name tables, the one shared
// output, and the playback of one list at a time. The timed sender sends
// every record at its time from a timing thread of its own; the player
// hands the records over a little ahead of it and follows the sender's
// reports on the application's thread, where the model and the windows hear
// what was played. So drawing never delays a note, and Stop, Play, Rate and
// Queue answer at once.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/Services.h"
#include "midi/MidiEvent.h"
#include "midi/MidiNames.h"
#include "midi/MidiOutput.h"
#include "midi/PlaybackHost.h"
#include "midi/PlayList.h"
#include "midi/PlaybackSettings.h"

class PlaybackRun;

struct MidiPlayerPorts {
    IMidiOut* output = nullptr;
    IClock* clock = nullptr;
    ITimedSender* sender = nullptr;
    IPlaybackHost* host = nullptr;
};

// How a playback ended.
struct PlaybackEnd {
    bool finished = false;  // it reached the list's end; otherwise it was stopped
    std::size_t next = 0;   // the first record not played
};

struct PlaybackRequest {
    const PlayList* list = nullptr;
    std::size_t first = 0;
    // A MIDI document's settings time the ticks (division, tempo, rate) and
    // may queue a later record to start at; without one the deltas count
    // milliseconds, as the keyboard input window records them.
    PlaybackSettings* document = nullptr;
    // A file's playback drives the primary model, which is put back after it.
    bool drivesModel = false;
    // On the application's thread: each record played, by its index.
    std::function<void(std::size_t index)> played;
    // On the application's thread, once the player is idle again.
    std::function<void(const PlaybackEnd& end)> ended;
};

enum class PlaybackStart { Started, Busy, Untimed, NoOutput };

class MidiPlayer {
public:
    // The name tables alone: nothing can be played.
    MidiPlayer() : MidiPlayer(MidiPlayerPorts{}) {}
    explicit MidiPlayer(MidiPlayerPorts ports);
    ~MidiPlayer();
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

    const NoteTable noteTable;
    const ProgramNameTable programNames;

    IPlaybackHost* Host() const { return ports_.host; }
    MidiOutput& Output() { return output_; }

    // Busy while a playback runs (or the model follows one); Untimed when
    // the document's ticks have no length (division 0); NoOutput when the
    // output cannot be opened.
    PlaybackStart Start(PlaybackRequest request);
    // Ends the playback at once; no note is left sounding.
    void Stop();
    bool Playing() const { return run_ != nullptr; }
    const PlayList* PlayingList() const;
    const PlaybackSettings* PlayingDocument() const;
    // The playing document's rate or queue position changed: a new rate
    // holds from the record being waited for on, a later queued record is
    // jumped to at once.
    void Retime();

    // The MIDI document loaded, played or activated last: the instruments'
    // Channel dialog lists its program changes.
    PlaybackSettings* CurrentDocument() const { return current_; }
    void SetCurrentDocument(PlaybackSettings* settings) { current_ = settings; }
    // A MIDI document closes: its playback ends, and it is current no more.
    void DocumentClosed(const PlaybackSettings* settings);

private:
    void Progress(std::uint64_t handled);
    void End(const PlaybackEnd& end);

    MidiPlayerPorts ports_;
    MidiOutput output_;
    int producer_ = 0;
    std::unique_ptr<PlaybackRun> run_;
    PlaybackSettings* current_ = nullptr;
};
