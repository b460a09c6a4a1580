#pragma once
// The media player port on Qt Multimedia: each player is a MediaPlayerPanel,
// inside the audio window's view or a window of its own.
#include <QPointer>

#include "framework/Services.h"
#include "platform/qt/MediaPlayerPanel.h"

class QtMediaPlayer : public IMediaPlayer {
public:
    explicit QtMediaPlayer(QWidget* parent);
    // A panel inside a view goes with its view; a window of its own plays
    // on until the user closes it.
    ~QtMediaPlayer() override;

    bool Open(const std::string& path) override;
    void Play() override;
    void Pause() override;
    void Resume() override;
    void Stop() override;
    void SeekStart() override;
    void SetRepeat(bool repeat) override;

    MediaPlayerPanel* Panel() const { return panel_; }

private:
    QPointer<MediaPlayerPanel> panel_;
};

class QtMediaPlayerFactory : public IMediaPlayerFactory {
public:
    std::unique_ptr<IMediaPlayer> Create(IFrameWindow* parent) override;
};
