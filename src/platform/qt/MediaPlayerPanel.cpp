#include "platform/qt/MediaPlayerPanel.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QLabel>
#include <QMediaPlayer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kTopLevelWidth = 340;

}  // namespace

QString PlayerCaption(const QString& fileName, qint64 positionMs, const QString& mode)
{
    qint64 seconds = positionMs / 1000;
    return QStringLiteral("%1 - %2:%3 - %4")
        .arg(fileName)
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(mode);
}

MediaPlayerPanel::MediaPlayerPanel(QWidget* parent)
    : QWidget(parent), player_(new QMediaPlayer(this)), output_(new QAudioOutput(this)), caption_(new QLabel(this))
{
    player_->setAudioOutput(output_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    setAutoFillBackground(true);
    if (!parent) {
        setAttribute(Qt::WA_DeleteOnClose);
        resize(kTopLevelWidth, sizeHint().height());
    }
    connect(player_, &QMediaPlayer::positionChanged, this, &MediaPlayerPanel::UpdateCaption);
    connect(player_, &QMediaPlayer::playbackStateChanged, this, &MediaPlayerPanel::UpdateCaption);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, &MediaPlayerPanel::UpdateCaption);
    // Errors are not shown in message boxes: the caption says so.
    connect(player_, &QMediaPlayer::errorOccurred, this, &MediaPlayerPanel::UpdateCaption);
}

void MediaPlayerPanel::Open(const QString& path)
{
    fileName_ = QFileInfo(path).fileName();
    player_->setSource(QUrl::fromLocalFile(path));
    UpdateCaption();
    show();
}

void MediaPlayerPanel::Play()
{
    player_->play();
}

void MediaPlayerPanel::Pause()
{
    player_->pause();
}

void MediaPlayerPanel::Resume()
{
    if (player_->playbackState() == QMediaPlayer::PausedState)
        player_->play();
}

void MediaPlayerPanel::Stop()
{
    player_->stop();
}

void MediaPlayerPanel::SeekStart()
{
    player_->setPosition(0);
}

void MediaPlayerPanel::SetRepeat(bool repeat)
{
    player_->setLoops(repeat ? QMediaPlayer::Infinite : QMediaPlayer::Once);
}

QString MediaPlayerPanel::Mode() const
{
    if (player_->error() != QMediaPlayer::NoError)
        return QStringLiteral("cannot play");
    switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState: return QStringLiteral("playing");
    case QMediaPlayer::PausedState: return QStringLiteral("paused");
    case QMediaPlayer::StoppedState: break;
    }
    return QStringLiteral("stopped");
}

QString MediaPlayerPanel::Caption() const
{
    return PlayerCaption(fileName_, player_->position(), Mode());
}

void MediaPlayerPanel::UpdateCaption()
{
    caption_->setText(Caption());
    if (isWindow())
        setWindowTitle(Caption());
}
