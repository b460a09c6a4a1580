#include "app/MidiInputRouter.h"

#include "app/PlaybackBridge.h"
#include "framework/Application.h"
#include "framework/Document.h"
#include "midi/MidiPlayer.h"
#include "midi/NoteInput.h"
#include "midi/NoteMessage.h"

MidiInputRouter::~MidiInputRouter()
{
    if (port_)
        port_->Stop();
    player_.Output().Release(this);
}

void MidiInputRouter::Start(IMidiIn* port)
{
    if (port && port->Start([this](std::uint32_t message) { Receive(message); }))
        port_ = port;
}

void MidiInputRouter::Receive(std::uint32_t shortMessage)
{
    std::optional<NoteMessage> note = DecodeNoteMessage(shortMessage);
    if (!note)
        return;
    Sound(*note);
    bridge_.InputNote(note->note, note->on, app_.ports.clock ? app_.ports.clock->NowMs() : 0);
    HandToWindows(*note);
}

// The router holds the output once a note has opened it, so that a
// playback ending does not silence the keyboard. An output that cannot open
// stays silent here: a message box at every key would stop the player's hands.
void MidiInputRouter::Sound(const NoteMessage& note)
{
    if (player_.Output().Hold(this))
        player_.Output().Send(NoteOnFirstChannel(note));
}

void MidiInputRouter::HandToWindows(const NoteMessage& note)
{
    for (CDocument* document : app_.AllDocuments())
        if (auto* input = dynamic_cast<INoteInput*>(document); input && !document->IsClosing())
            input->NoteInput(note.note, note.on, note.velocity);
}
