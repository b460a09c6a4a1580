#pragma once
// The media player window: plays one sound file with Qt Multimedia and shows
// its file name, position and mode in its caption (its title bar when it
// is a window of its own, a caption line when it sits inside a view), with
// transport buttons and a seek bar under it. Without a sound device it
// says so rather than pretend to play.
#include <QString>
#include <QWidget>

class QAudioOutput;
class QLabel;
class QMediaPlayer;
class QSlider;
class QToolButton;

class MediaPlayerPanel : public QWidget {
    Q_OBJECT
public:
    // parent null: a top-level window that closes itself when the user closes it.
    explicit MediaPlayerPanel(QWidget* parent);

    void Open(const QString& path);
    void Play();
    void Pause();
    void Resume();
    void Stop();
    void SeekStart();
    void SetRepeat(bool repeat);

    QString Caption() const;
    QMediaPlayer& Player() const { return *player_; }
    // Whether any sound device is there to play on.
    bool HasAudioDevice() const;

    QToolButton& PlayButton() const { return *playButton_; }
    QToolButton& StopButton() const { return *stopButton_; }
    QToolButton& LoopButton() const { return *loopButton_; }
    QSlider& SeekBar() const { return *seekBar_; }
    QLabel& TimeLabel() const { return *time_; }

protected:
    // Inside a view the panel spans the view's width.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeTransport();
    void UpdateCaption();
    void UpdateTransport();
    void TogglePlay();
    QString Mode() const;

    QMediaPlayer* player_;
    QAudioOutput* output_;
    QLabel* caption_;
    QToolButton* playButton_ = nullptr;
    QToolButton* stopButton_ = nullptr;
    QToolButton* loopButton_ = nullptr;
    QSlider* seekBar_ = nullptr;
    QLabel* time_ = nullptr;
    QLabel* noDevice_;
    QString fileName_;
};

// "name - m:ss - mode", the caption's text.
QString PlayerCaption(const QString& fileName, qint64 positionMs, const QString& mode);
// "m:ss / m:ss", position and length.
QString PlayerTimes(qint64 positionMs, qint64 durationMs);
