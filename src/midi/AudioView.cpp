#include "midi/AudioView.h"

#include "framework/Application.h"
#include "framework/TextControl.h"
#include "midi/AudioCommands.h"
#include "midi/AudioDoc.h"

CAudioView::CAudioView()
{
    auto withAudio = [this](void (CAudioDoc::*action)()) {
        return [this, action] {
            if (CAudioDoc* audio = Audio())
                (audio->*action)();
        };
    };
    On(ID_MIDI_PLAY, withAudio(&CAudioDoc::Play));
    On(ID_AUDIO_PAUSE, withAudio(&CAudioDoc::Pause));
    On(ID_AUDIO_RESUME, withAudio(&CAudioDoc::Resume));
    On(ID_MIDI_STOP, withAudio(&CAudioDoc::Stop));
    On(ID_MIDI_REWIND, withAudio(&CAudioDoc::Rewind));
    On(ID_AUDIO_LOOP, withAudio(&CAudioDoc::Loop));
    On(ID_AUDIO_PLAY_FILE, [this] { OnPlayFile(); });
}

CAudioDoc* CAudioView::Audio() const
{
    return dynamic_cast<CAudioDoc*>(GetDocument());
}

void CAudioView::OnInitialUpdate()
{
    if (ITextControl* text = TextControl()) {
        text->SetText({});
        text->SetReadOnly(true);
        text->SetModified(false);  // nothing here is ever saved
    }
}

void CAudioView::OnPlayFile()
{
    CAudioDoc* audio = Audio();
    if (!audio)
        return;
    FileDialogRequest request{true, "Open", "Audio files (*.mid; *.wav; *.mp3)|*.mid;*.wav;*.mp3|All Files (*.*)|*.*",
                              {}};
    if (auto path = audio->App().ports.prompts->ChooseFile(request))
        audio->PlayInNewWindow(*path);
}

std::string CAudioView::WhatsThis() const
{
    return "A sound file playing in the media player; its caption shows the file, the position and "
           "whether it plays. The Player menu plays, pauses, resumes, stops, rewinds and loops it.";
}
