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

// The output stays open once a note has opened it; a playback that has it
// open already is simply joined. An output that cannot open stays silent
// here: a message box at every key would stop the player's hands.
void MidiInputRouter::Sound(const NoteMessage& note)
{
    if (player_.OpenOutput())
        player_.Send(NoteOnFirstChannel(note));
}

void MidiInputRouter::HandToWindows(const NoteMessage& note)
{
    for (CDocument* document : app_.AllDocuments())
        if (auto* input = dynamic_cast<INoteInput*>(document); input && !document->IsClosing())
            input->NoteInput(note.note, note.on, note.velocity);
}
