#include "platform/qt/MediaPlayerPanel.h"

#include <algorithm>
#include <climits>

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kTopLevelWidth = 340;

QString MinutesAndSeconds(qint64 ms)
{
    qint64 seconds = std::max<qint64>(0, ms) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QToolButton* TransportButton(QStyle::StandardPixmap icon, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

QString PlayerCaption(const QString& fileName, qint64 positionMs, const QString& mode)
{
    return QStringLiteral("%1 - %2 - %3").arg(fileName, MinutesAndSeconds(positionMs), mode);
}

QString PlayerTimes(qint64 positionMs, qint64 durationMs)
{
    return MinutesAndSeconds(positionMs) + QStringLiteral(" / ") + MinutesAndSeconds(durationMs);
}

MediaPlayerPanel::MediaPlayerPanel(QWidget* parent)
    : QWidget(parent), player_(new QMediaPlayer(this)), output_(new QAudioOutput(this)), caption_(new QLabel(this)),
      noDevice_(new QLabel(tr("No sound device is available here, so this file cannot be heard."), this))
{
    player_->setAudioOutput(output_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(MakeTransport());
    layout->addWidget(noDevice_);
    noDevice_->setWordWrap(true);
    setAutoFillBackground(true);
    if (parent) {
        parent->installEventFilter(this);
        resize(parent->width(), sizeHint().height());
    } else {
        setAttribute(Qt::WA_DeleteOnClose);
        resize(kTopLevelWidth, sizeHint().height());
    }
    for (auto signal : {&QMediaPlayer::positionChanged, &QMediaPlayer::durationChanged})
        connect(player_, signal, this, &MediaPlayerPanel::UpdateCaption);
    connect(player_, &QMediaPlayer::playbackStateChanged, this, &MediaPlayerPanel::UpdateCaption);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, &MediaPlayerPanel::UpdateCaption);
    connect(player_, &QMediaPlayer::loopsChanged, this, &MediaPlayerPanel::UpdateCaption);
    // Errors are not shown in message boxes: the caption says so.
    connect(player_, &QMediaPlayer::errorOccurred, this, &MediaPlayerPanel::UpdateCaption);
    UpdateCaption();
}

// Play/pause, stop, loop, then the seek bar with the position and length.
QWidget* MediaPlayerPanel::MakeTransport()
{
    auto* transport = new QWidget(this);
    auto* row = new QHBoxLayout(transport);
    row->setContentsMargins(0, 0, 0, 0);
    playButton_ = TransportButton(QStyle::SP_MediaPlay, tr("Play"), this);
    stopButton_ = TransportButton(QStyle::SP_MediaStop, tr("Stop"), this);
    loopButton_ = TransportButton(QStyle::SP_BrowserReload, tr("Loop"), this);
    loopButton_->setCheckable(true);
    seekBar_ = new QSlider(Qt::Horizontal, transport);
    seekBar_->setAccessibleName(tr("Position"));
    time_ = new QLabel(transport);
    for (QWidget* widget : std::initializer_list<QWidget*>{playButton_, stopButton_, loopButton_, seekBar_, time_})
        row->addWidget(widget);
    row->setStretchFactor(seekBar_, 1);
    connect(playButton_, &QToolButton::clicked, this, &MediaPlayerPanel::TogglePlay);
    // As the Player popup's Stop: the repetition ends too.
    connect(stopButton_, &QToolButton::clicked, this, [this] {
        SetRepeat(false);
        Stop();
    });
    connect(loopButton_, &QToolButton::toggled, this, &MediaPlayerPanel::SetRepeat);
    connect(seekBar_, &QSlider::sliderMoved, player_, &QMediaPlayer::setPosition);
    return transport;
}

bool MediaPlayerPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        resize(parentWidget()->width(), heightForWidth(parentWidget()->width()) > 0
                                            ? heightForWidth(parentWidget()->width())
                                            : sizeHint().height());
    return QWidget::eventFilter(watched, event);
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

void MediaPlayerPanel::TogglePlay()
{
    if (player_->playbackState() == QMediaPlayer::PlayingState)
        Pause();
    else
        Play();
}

bool MediaPlayerPanel::HasAudioDevice() const
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

QString MediaPlayerPanel::Mode() const
{
    if (player_->error() != QMediaPlayer::NoError)
        return QStringLiteral("cannot play");
    if (!HasAudioDevice())
        return QStringLiteral("no sound device");
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
    const QString caption = Caption();  // asks for the sound devices: once a position tick
    caption_->setText(caption);
    if (isWindow())
        setWindowTitle(caption);
    UpdateTransport();
}

void MediaPlayerPanel::UpdateTransport()
{
    bool playing = player_->playbackState() == QMediaPlayer::PlayingState;
    playButton_->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    playButton_->setToolTip(playing ? tr("Pause") : tr("Play"));
    playButton_->setAccessibleName(playButton_->toolTip());
    loopButton_->setChecked(player_->loops() == QMediaPlayer::Infinite);
    seekBar_->setRange(0, static_cast<int>(std::min<qint64>(player_->duration(), INT_MAX)));
    if (!seekBar_->isSliderDown())
        seekBar_->setValue(static_cast<int>(std::min<qint64>(player_->position(), INT_MAX)));
    seekBar_->setEnabled(player_->isSeekable());
    time_->setText(PlayerTimes(player_->position(), player_->duration()));
    noDevice_->setVisible(!HasAudioDevice());
}
