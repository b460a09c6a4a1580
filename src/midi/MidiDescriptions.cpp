#include "midi/MidiDescriptions.h"

#include <cstring>

#include "midi/MidiEvent.h"
#include "midi/MidiText.h"

namespace {

// Assembles a line in a local buffer before one append: note lines are most
// of the records of any file.
class LineBuffer {
public:
    void Put(std::string_view text)
    {
        text.copy(cursor_, text.size());
        cursor_ += text.size();
    }
    // Values here are at most 3 digits wide.
    void Number(unsigned value, int width)
    {
        char digits[24];
        char* const end = digits + sizeof digits;
        Put(std::string_view(FormatUnsigned(end, value, width), end));
    }
    void AppendTo(std::string& out) const { out.append(buffer_, static_cast<std::size_t>(cursor_ - buffer_)); }

private:
    char buffer_[96];
    char* cursor_ = buffer_;
};

void AppendNote(std::string& out, std::string_view head, int channel, std::uint8_t note,
                std::uint8_t velocity, const NoteTable& notes)
{
    const NoteInfo& info = notes[note];
    const std::string_view name = info.name;
    LineBuffer line;
    line.Put(head);
    line.Put(": channel ");
    line.Number(static_cast<unsigned>(channel + 1), 2);
    line.Put(", number ");
    line.Number(note, 3);
    line.Put(name.size() < 2 ? ", name  " : ", name ");
    line.Put(name);
    line.Put(", octave ");
    line.Number(static_cast<unsigned>(info.octave), 2);
    line.Put(", velocity ");
    line.Number(velocity, 3);
    line.AppendTo(out);
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

char* WriteTickColumns(char* out, std::uint64_t cumulativeTicks, std::uint64_t delta)
{
    char columns[kTickColumnsSize];
    char* const end = columns + sizeof columns;
    char* start = end;
    *--start = ' ';
    start = FormatUnsigned(start, delta, 5, '0');
    *--start = ' ';
    start = FormatUnsigned(start, cumulativeTicks, 6, '0');
    const auto size = static_cast<std::size_t>(end - start);
    std::memcpy(out, start, size);
    return out + size;
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
