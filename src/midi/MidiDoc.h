#pragma once
// A Standard MIDI File opened for examining and playing: its tracks, the
// merged play list, the listing its view draws, and its player state (rate,
// tempo, queue position). Loading is the only direction.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "midi/MidiFile.h"
#include "midi/MidiListing.h"
#include "midi/PlayListLookup.h"
#include "midi/PlaybackSettings.h"
#include "text/GeneralDoc.h"

class MidiPlayer;
struct PlaybackEnd;

class CMidiDoc : public CGeneralDoc {
public:
    static constexpr const char* kOutputError = "Error opening the default MIDI Out device!\r\n";
    static constexpr const char* kUntimedError = "MIDI division is 0: the file cannot be played.";
    // The views' hint when the line being played moved.
    static constexpr int kHintPlayedLine = 1;

    // The player's name tables describe the file's records; it plays them.
    // A listing a startup layout reopens keeps its merge summary to itself;
    // its warnings still show.
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
    // While the file plays, each track's listing marks the line of its
    // record played last. The line marked in `track`; none before its first
    // record played, and when the file is not playing.
    std::optional<std::size_t> PlayedLine(std::size_t track) const;
    // Whether the listing marks `line`.
    bool IsPlayedLine(std::size_t line) const;
    // Whether a track has records to play after its marked line.
    bool TrackPlaying(std::size_t track) const;
    // The track a view follows when the track it shows has done playing:
    // the one that sounded a note last (the first that played, before).
    std::optional<std::size_t> LeadingTrack() const;
    // The window became active: Play there plays this file next.
    void BecomeCurrent();
    // Queues the play list at the start of the bar of the record on the
    // listing line and plays from there; a playback of this file running
    // meanwhile starts again there at once. Lines that show no played
    // record do nothing.
    void PlayFromLine(std::size_t line);

private:
    void RegisterCommands();
    void ShowNotices();
    // Plays from the queue position; false when no playback started.
    bool StartPlayback();
    void OnPlaybackEnded(const PlaybackEnd& end);
    void OnRecordPlayed(std::size_t index);
    void ClearPlayedLines();
    void OnStop();
    void OnQueue();
    void SetRate(double rate);
    bool IsPlaying() const;

    MidiPlayer& player_;
    MidiFile file_;
    MidiListing listing_;
    PlaybackSettings playback_;
    // By track: the index of the record played last.
    std::vector<std::optional<std::size_t>> playedRecords_;
    std::optional<std::size_t> firstPlayedTrack_;
    std::optional<std::size_t> lastNoteTrack_;
    // A double click asked the running playback to start again at the queue position.
    bool restartRequested_ = false;
};
