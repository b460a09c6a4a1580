#include "midi/MidiDescriptions.h"

#include "midi/MidiEvent.h"
#include "midi/MidiText.h"

namespace {

void AppendNote(std::string& out, std::string_view head, int channel, std::uint8_t note,
                std::uint8_t velocity, const NoteTable& notes)
{
    const NoteInfo& info = notes[note];
    out += head;
    out += ": channel ";
    AppendUnsigned(out, static_cast<unsigned>(channel + 1), 2);
    out += ", number ";
    AppendUnsigned(out, note, 3);
    out += ", name ";
    AppendPadded(out, info.name, 2);
    out += ", octave ";
    AppendUnsigned(out, static_cast<unsigned>(info.octave), 2);
    out += ", velocity ";
    AppendUnsigned(out, velocity, 3);
}

void AppendProgram(std::string& out, int channel, std::uint8_t program,
                   const ProgramNameTable& programs)
{
    out += "Program: channel ";
    AppendUnsigned(out, static_cast<unsigned>(channel + 1));
    out += ", number ";
    AppendUnsigned(out, program);
    out += ", ";
    out += programs[program];
}

std::int64_t Signed(std::uint8_t byte)
{
    return static_cast<std::int8_t>(byte);
}

void AppendTimeSignature(std::string& out, std::span<const std::uint8_t> data)
{
    out += "Time Signature: n = ";
    AppendSigned(out, Signed(data[0]));
    out += ", d = ";
    AppendSigned(out, Signed(data[1]));
    out += ", c = ";
    AppendSigned(out, Signed(data[2]));
    out += ", b = ";
    AppendSigned(out, Signed(data[3]));
}

void AppendKeySignature(std::string& out, std::span<const std::uint8_t> data)
{
    out += "Key Signature: sf = ";
    AppendSigned(out, Signed(data[0]));
    out += ", mi = ";
    AppendSigned(out, Signed(data[1]));
}

// Text ends at a NUL like a C string; control bytes would break the one-line
// listing, so they show as '.'.
void AppendText(std::string& out, std::span<const std::uint8_t> payload)
{
    out += "Meta Text: ";
    for (const std::uint8_t byte : payload) {
        if (byte == 0)
            break;
        out.push_back(byte < 0x20 || byte == 0x7F ? '.' : static_cast<char>(byte));
    }
}

}  // namespace

void AppendTickColumns(std::string& out, std::uint64_t cumulativeTicks, std::uint64_t delta)
{
    AppendUnsigned(out, cumulativeTicks, 6, '0');
    out.push_back(' ');
    AppendUnsigned(out, delta, 5, '0');
    out.push_back(' ');
}

void AppendChannelDescription(std::string& out, int kind, int channel, std::uint8_t first,
                              std::uint8_t second, const NoteTable& notes,
                              const ProgramNameTable& programs)
{
    switch (kind) {
    case MidiKind::NoteOn: AppendNote(out, "NoteOn ", channel, first, second, notes); break;
    case MidiKind::NoteOff: AppendNote(out, "NoteOff", channel, first, second, notes); break;
    case MidiKind::KeyPressure: out += "Pressure"; break;
    case MidiKind::Controller: out += "Parameter"; break;
    case MidiKind::Program: AppendProgram(out, channel, first, programs); break;
    case MidiKind::ChannelPressure: out += "Channel Pressure"; break;
    case MidiKind::PitchBend: out += "Pitch Bend"; break;
    default: break;
    }
}

void AppendMetaDescription(std::string& out, int type, std::span<const std::uint8_t> data)
{
    if (type >= 0x01 && type <= 0x0F) {
        AppendText(out, data);
        return;
    }
    switch (type) {
    case MidiKind::SequenceNumber: out += "Meta Sequence Number"; break;
    case MidiKind::MetaChannel: out += "Meta Channel"; break;
    case MidiKind::MetaPort: out += "Meta Port"; break;
    case MidiKind::EndOfTrack: out += "Meta End of Track"; break;
    case MidiKind::SetTempo: out += "Set Tempo"; break;
    case MidiKind::SmpteOffset: out += "SMPTE Offset"; break;
    case MidiKind::TimeSignature: AppendTimeSignature(out, data); break;
    case MidiKind::KeySignature: AppendKeySignature(out, data); break;
    case MidiKind::MetaSpecial: out += "Meta Special"; break;
    default: out += "Meta Miscelaneous"; break;
    }
}
