#pragma once
// A Standard MIDI File opened for examining and playing: its tracks, the
// merged play list, the listing its view draws, and its player state (rate,
// tempo, queue position). Loading is the only direction.
#include <cstddef>
#include <string>

#include "midi/MidiFile.h"
#include "midi/MidiListing.h"
#include "midi/PlaybackSettings.h"
#include "text/GeneralDoc.h"

class MidiPlayer;

class CMidiDoc : public CGeneralDoc {
public:
    static constexpr const char* kOutputError = "Error opening the default MIDI Out device!\r\n";

    // The player's name tables describe the file's records; its loop plays
    // them. A listing a startup layout reopens keeps its merge summary to
    // itself; its warnings still show.
    explicit CMidiDoc(MidiPlayer& player, bool restoringLayout = false);

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    void OnCloseDocument() override;

    const MidiFile& File() const { return file_; }
    // The listing as the view draws it, one entry per line, read from the file's records.
    const MidiListing& Listing() const { return listing_; }
    PlaybackSettings& Playback() { return playback_; }
    const PlaybackSettings& Playback() const { return playback_; }
    // The window became active: its timing settings now steer the player.
    void BecomeCurrent();
    // Queues the play list at the start of the bar of the record on the
    // listing line and plays from there; a playback of this file running
    // meanwhile stops at its next record and starts again there. Lines that
    // show no played record do nothing.
    void PlayFromLine(std::size_t line);

private:
    void RegisterCommands();
    void ShowNotices();
    void OnPlay();
    // One playback from the queue position; false when none could start.
    bool PlayOnce();
    void OnStop();
    void OnQueue();

    MidiPlayer& player_;
    MidiFile file_;
    MidiListing listing_;
    PlaybackSettings playback_;
    // A double click asked the running playback to start again at the queue position.
    bool restartRequested_ = false;
};
