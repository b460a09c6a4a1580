#pragma once
// Media players that record what they were asked to do, one shared log
// of lines like "open /path/a.wav", "play", "stop".
#include <memory>
#include <string>
#include <vector>

#include "framework/Services.h"

using MediaLog = std::vector<std::string>;

class RecordingMediaPlayer : public IMediaPlayer {
public:
    explicit RecordingMediaPlayer(std::shared_ptr<MediaLog> log) : log_(std::move(log)) {}

    bool Open(const std::string& path) override;
    void Play() override { log_->push_back("play"); }
    void Pause() override { log_->push_back("pause"); }
    void Resume() override { log_->push_back("resume"); }
    void Stop() override { log_->push_back("stop"); }
    void SeekStart() override { log_->push_back("seek start"); }
    void SetRepeat(bool repeat) override { log_->push_back(repeat ? "repeat on" : "repeat off"); }

private:
    std::shared_ptr<MediaLog> log_;
};

class RecordingMediaPlayerFactory : public IMediaPlayerFactory {
public:
    std::unique_ptr<IMediaPlayer> Create(IFrameWindow* parent) override;
    const MediaLog& Log() const { return *log_; }

private:
    // Shared so that a player may outlive the factory without dangling.
    std::shared_ptr<MediaLog> log_ = std::make_shared<MediaLog>();
};
