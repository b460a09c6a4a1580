#include "midi/NoteMessage.h"

#include "midi/ShortMessage.h"

std::optional<NoteMessage> DecodeNoteMessage(std::uint32_t shortMessage)
{
    std::uint32_t kind = shortMessage & 0xF0;
    if (kind != 0x90 && kind != 0x80)
        return std::nullopt;
    NoteMessage note;
    note.note = static_cast<int>(shortMessage >> 8 & 0x7F);
    note.velocity = static_cast<int>(shortMessage >> 16 & 0x7F);
    note.on = kind == 0x90 && note.velocity != 0;
    return note;
}

std::uint32_t NoteOnFirstChannel(const NoteMessage& note)
{
    return ShortMessage(note.on ? 0x90 : 0x80, note.note, note.velocity);
}
