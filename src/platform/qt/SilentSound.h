#pragma once
// A stand-in for the media player until the audio backend is wired in: it
// accepts every request and makes no sound.
#include "framework/Services.h"

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
