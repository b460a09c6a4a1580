#pragma once
// Stand-ins for MIDI output and the media player until the sound backends
// are wired in: they accept every request and make no sound.
#include "framework/Services.h"

class SilentMidiOut : public IMidiOut {
public:
    bool Open() override;
    void Send(std::uint32_t) override {}
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }

private:
    bool open_ = false;
};

class SilentMediaPlayer : public IMediaPlayer {
public:
    bool Open(const std::string& path) override;
    void Play() override {}
    void Pause() override {}
    void Resume() override {}
    void Stop() override {}
    void SeekStart() override {}
    void SetRepeat(bool) override {}
};

class SilentMediaPlayerFactory : public IMediaPlayerFactory {
public:
    std::unique_ptr<IMediaPlayer> Create() override;
};
