#include "platform/qt/QtMediaPlayer.h"

#include <QAbstractScrollArea>

#include "platform/qt/FrameSubWindow.h"
#include "platform/qt/QtFrameWindow.h"

QtMediaPlayer::QtMediaPlayer(QWidget* parent) : panel_(new MediaPlayerPanel(parent)) {}

QtMediaPlayer::~QtMediaPlayer()
{
    if (panel_ && panel_->parentWidget())
        panel_->deleteLater();
}

bool QtMediaPlayer::Open(const std::string& path)
{
    if (!panel_)
        return false;
    panel_->Open(QString::fromStdString(path));
    return true;
}

void QtMediaPlayer::Play()
{
    if (panel_)
        panel_->Play();
}

void QtMediaPlayer::Pause()
{
    if (panel_)
        panel_->Pause();
}

void QtMediaPlayer::Resume()
{
    if (panel_)
        panel_->Resume();
}

void QtMediaPlayer::Stop()
{
    if (panel_)
        panel_->Stop();
}

void QtMediaPlayer::SeekStart()
{
    if (panel_)
        panel_->SeekStart();
}

void QtMediaPlayer::SetRepeat(bool repeat)
{
    if (panel_)
        panel_->SetRepeat(repeat);
}

// The panel sits at the top of the view's own area, as a child of it.
std::unique_ptr<IMediaPlayer> QtMediaPlayerFactory::Create(IFrameWindow* parent)
{
    QWidget* host = nullptr;
    if (auto* frame = dynamic_cast<QtFrameWindow*>(parent); frame && frame->SubWindow())
        if (auto* area = qobject_cast<QAbstractScrollArea*>(frame->SubWindow()->widget()))
            host = area->viewport();
    return std::make_unique<QtMediaPlayer>(host);
}
