#pragma once
// The small ports: clipboard, launcher, clock and timed sender, MIDI output
// and input, and the media player.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string GetText() const = 0;
};

class ILauncher {
public:
    virtual ~ILauncher() = default;
    // Opens the file in the desktop's text editor; false when that failed.
    virtual bool OpenInTextEditor(const std::string& path) = 0;
    // Opens the user guide's page in the desktop's browser; false when that failed.
    virtual bool OpenHelp(const std::string& path) = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual std::int64_t NowMs() = 0;
};

// A message due at a moment of the clock.
struct TimedMessage {
    double dueMs = 0;
    std::uint32_t message = 0;
    // False for a moment that sends nothing (a record with no message),
    // which its producer still hears of once it has passed.
    bool send = true;
};

// Sends messages at their due times from a timing thread of its own (or,
// headless, as virtual time passes them). Producers (the MIDI player) hand
// over their messages in due order; the timing thread touches nothing but
// those messages and the sink each producer sends through, and tells the
// producer on the application's thread how far it got.
class ITimedSender {
public:
    // Called on the timing thread with each message to send.
    using Sink = std::function<void(std::uint32_t message)>;
    // Called on the application's thread: how many of the producer's
    // messages have been handled so far, counted from its first.
    using Progress = std::function<void(std::uint64_t handled)>;

    virtual ~ITimedSender() = default;
    virtual int AddProducer(Sink sink, Progress progress) = 0;
    // The producer's waiting messages are dropped, and it hears no more.
    virtual void RemoveProducer(int producer) = 0;
    // After the producer's earlier messages.
    virtual void Schedule(int producer, std::span<const TimedMessage> messages) = 0;
    // Drops the producer's messages not handled yet; none of them is sent
    // once this returns. Returns how many were handled in all.
    virtual std::uint64_t Cancel(int producer) = 0;
};

class IMidiOut {
public:
    virtual ~IMidiOut() = default;
    virtual bool Open() = 0;
    virtual void Send(std::uint32_t shortMessage) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // How loud it sounds, 0 to 100 percent of its full level, at once and
    // from then on; an output with no loudness of its own ignores it.
    virtual void SetVolume(int percent) { (void)percent; }
    // What the user should hear about the last Open (say, a SoundFont that
    // could not be loaded and was replaced), once; empty when nothing.
    virtual std::string TakeOpenNotice() { return {}; }
    // What a failed Open tried and why it failed, for the user ("alsa:20:0:
    // the ALSA sequencer port 20:0 could not be reached"); empty when unknown.
    virtual std::string Tried() const { return {}; }
};

// Notes played on an outside keyboard. The port hands every note on and off
// to the receiver as a short message (status, note, velocity), always on
// the thread that runs the application.
class IMidiIn {
public:
    using Receiver = std::function<void(std::uint32_t shortMessage)>;

    virtual ~IMidiIn() = default;
    // False when there is no input to be had; nothing arrives then.
    virtual bool Start(Receiver receiver) = 0;
    virtual void Stop() = 0;
};

class IMediaPlayer {
public:
    virtual ~IMediaPlayer() = default;
    virtual bool Open(const std::string& path) = 0;
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void Stop() = 0;
    virtual void SeekStart() = 0;
    virtual void SetRepeat(bool repeat) = 0;
};

class IFrameWindow;

class IMediaPlayerFactory {
public:
    virtual ~IMediaPlayerFactory() = default;
    // A player window inside parent's view, or a top-level one for a null
    // parent, which stays open until the user closes it.
    virtual std::unique_ptr<IMediaPlayer> Create(IFrameWindow* parent) = 0;
};
