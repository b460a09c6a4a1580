#pragma once
// The small ports: clipboard, launcher, clock and pacer, MIDI output and
// input, and the media player.
#include <cstdint>
#include <functional>
#include <memory>
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
    // Returns after about ms milliseconds, having handled commands and
    // window messages meanwhile.
    virtual void PauseFor(int ms) = 0;
};

class IMidiOut {
public:
    virtual ~IMidiOut() = default;
    virtual bool Open() = 0;
    virtual void Send(std::uint32_t shortMessage) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
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
