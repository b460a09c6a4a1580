#pragma once
// One playback: a list's records from a first one, handed to the timed
// sender a little ahead of their time and followed on the application's
// thread as the sender reports them handled. Every record, sent or not, is
// one message of the sender's, and one more with nothing to send marks the
// end, so the reports count records.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

#include "midi/MidiPlayer.h"
#include "midi/PlaybackSchedule.h"

class PlaybackRun {
public:
    struct Ports {
        MidiOutput& output;
        IClock& clock;
        ITimedSender& sender;
        int producer = 0;
        IPlaybackHost* host = nullptr;
    };

    // `handled`: the producer's messages handled before this run.
    PlaybackRun(PlaybackRequest request, Ports ports, std::uint64_t handled);

    const PlaybackRequest& Request() const { return request_; }
    void Begin();
    // The sender has handled `handled` of the producer's messages in all.
    void Follow(std::uint64_t handled);
    void Retime();
    // Takes back what the sender has not handled yet.
    PlaybackEnd Stop();
    bool Finished() const { return finished_; }
    // All Notes Off on every channel a note was played on.
    void Silence();

private:
    // Where the run stands after a record: a place to come back to.
    struct Point {
        PlaybackSchedule schedule;
        std::uint64_t elapsedTicks = 0;
        std::uint64_t shownTick = 0;
    };
    struct Handed {
        std::size_t index = 0;  // the list's size for the end
        double dueMs = 0;
        bool beyondShownStep = false;
        Point after;
    };

    const PlayList& List() const { return *request_.list; }
    double Now() const { return static_cast<double>(ports_.clock.NowMs()); }
    double Rate() const { return request_.document ? request_.document->rate : 1.0; }
    // Moves past record `index`; its due time, and whether it moves sheet music's highlight.
    double Pass(std::size_t index, bool& beyondShownStep);
    void FastForward();
    void Fill();
    void CatchUp(std::uint64_t handled);
    void Play(const Handed& handed);
    void ApplySettings(const MidiEvent& event);
    std::size_t FirstUnplayed() const;

    PlaybackRequest request_;
    Ports ports_;
    std::uint64_t shownStep_ = 1;
    Point point_;   // after the last record handed over
    Point played_;  // after the last record played
    std::size_t next_ = 0;
    double lastDueMs_ = 0;
    std::optional<double> rateAfterNext_;
    std::deque<Handed> handed_;
    std::uint64_t processed_ = 0;
    bool endHanded_ = false;
    bool finished_ = false;
    std::uint16_t channelsPlayed_ = 0;
};
