#pragma once
// The media player window: plays one sound file with Qt Multimedia and shows
// its file name, position and mode in its caption (its title bar when it
// is a window of its own, a caption line when it sits inside a view).
#include <QString>
#include <QWidget>

class QAudioOutput;
class QLabel;
class QMediaPlayer;

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

private:
    void UpdateCaption();
    QString Mode() const;

    QMediaPlayer* player_;
    QAudioOutput* output_;
    QLabel* caption_;
    QString fileName_;
};

// "name - m:ss - mode", the caption's text.
QString PlayerCaption(const QString& fileName, qint64 positionMs, const QString& mode);
