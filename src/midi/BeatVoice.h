#pragma once
// A producer of the timed sender that plays on the beat: the sound loop and
// the metronome. It composes its messages slot by slot (a slot is a fixed
// part of a beat) a little ahead of their time, hands them to the sender,
// and hears on the application's thread what was sent. A change (a new
// tempo, a new model) takes back what was not sent and composes afresh, so
// it is heard at the next slot; Stop takes back the rest and ends every note
// the voice left sounding.
#include <cstdint>
#include <deque>
#include <vector>

#include "framework/Services.h"
#include "midi/BeatGrid.h"
#include "midi/MidiOutput.h"
#include "midi/SoundingNotes.h"

class BeatVoice {
public:
    struct Ports {
        MidiOutput& output;
        IClock& clock;
        ITimedSender& sender;
    };

    explicit BeatVoice(Ports ports);
    virtual ~BeatVoice();
    BeatVoice(const BeatVoice&) = delete;
    BeatVoice& operator=(const BeatVoice&) = delete;

    bool Running() const { return running_; }
    const BeatGrid& Grid() const { return grid_; }
    // Plays from `firstBeat` of the grid on; false, with nothing started,
    // when the output cannot be opened.
    bool Start(const BeatGrid& grid, double firstBeat);
    void Stop();
    // What falls on the grid's origin beat or after it follows the new
    // grid; what falls before keeps its time.
    void Retime(const BeatGrid& grid);

protected:
    struct Message {
        std::uint32_t message = 0;
        bool send = true;  // false: a moment the voice hears of, nothing sent
    };

    virtual double SlotBeats() const = 0;
    // The messages of slot `slot` (0 falls on the first beat), given the
    // notes this voice has sounding before it.
    virtual void Compose(std::int64_t slot, const SoundingNotes& before, std::vector<Message>& out) = 0;
    // On the application's thread, in order: the slot's message went at dueMs.
    virtual void Played(std::int64_t slot, const Message& message, double dueMs)
    {
        (void)slot;
        (void)message;
        (void)dueMs;
    }
    virtual void Began() {}
    // After Stop: every note ended.
    virtual void Ended() {}

    // Takes back what was not sent but the rest of a slot partly sent and
    // the slots before `keepBeforeBeat`; returns the first slot to compose.
    std::int64_t TakeBack(double keepBeforeBeat);
    // Composes and hands over every slot due within the lookahead.
    void HandOver();
    static constexpr double kKeepNone = -1e300;

private:
    struct Handed {
        std::int64_t slot = 0;
        Message message;
        double dueMs = 0;
    };

    double SlotBeat(std::int64_t slot) const { return firstBeat_ + static_cast<double>(slot) * SlotBeats(); }
    void Progress(std::uint64_t handled);
    void CatchUp(std::uint64_t handled);

    Ports ports_;
    int producer_ = 0;
    bool running_ = false;
    BeatGrid grid_;
    double firstBeat_ = 0;
    std::int64_t nextSlot_ = 0;
    std::int64_t lastPlayedSlot_ = -1;
    std::deque<Handed> handed_;
    std::uint64_t processed_ = 0;
    SoundingNotes played_;    // what the messages sent left sounding
    SoundingNotes composed_;  // what the messages handed over will leave sounding
};
