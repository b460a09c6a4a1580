#include "midi/AudioDoc.h"

#include "framework/Frame.h"
#include "framework/Services.h"
#include "framework/TextControl.h"
#include "framework/View.h"

CAudioDoc::CAudioDoc(IMediaPlayerFactory& players) : players_(players)
{
    kind = 7;
}

CAudioDoc::~CAudioDoc() = default;

bool CAudioDoc::OnNewDocument()
{
    return false;  // an audio window always plays a file
}

bool CAudioDoc::OnOpenDocument(const std::string& path)
{
    section = path;
    SetPathName(path);
    SetTitle(path);
    CFrame* frame = FirstFrame();
    player_ = players_.Create(frame ? frame->Window() : nullptr);
    if (player_)
        player_->Open(path);
    if (CView* view = FirstView(); view && view->TextControl())
        view->TextControl()->SetReadOnly(true);
    return true;
}

bool CAudioDoc::OnSaveDocument(const std::string&)
{
    return true;  // nothing is written back to a sound file
}

void CAudioDoc::Play()
{
    if (player_)
        player_->Play();
}

void CAudioDoc::Pause()
{
    if (player_)
        player_->Pause();
}

void CAudioDoc::Resume()
{
    if (player_)
        player_->Resume();
}

void CAudioDoc::Stop()
{
    if (!player_)
        return;
    player_->SetRepeat(false);
    player_->Stop();
}

void CAudioDoc::Rewind()
{
    if (player_)
        player_->SeekStart();
}

void CAudioDoc::Loop()
{
    if (player_)
        player_->SetRepeat(true);
}

void CAudioDoc::PlayInNewWindow(const std::string& path)
{
    std::unique_ptr<IMediaPlayer> player = players_.Create(nullptr);
    if (!player)
        return;
    player->Open(path);
    player->Play();
    if (player_)
        replaced_.push_back(std::move(player_));
    player_ = std::move(player);
}
