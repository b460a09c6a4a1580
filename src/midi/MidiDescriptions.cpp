#include "midi/MidiDescriptions.h"

#include <cstring>

#include "midi/MidiEvent.h"
#include "midi/MidiText.h"

namespace {

constexpr unsigned kPowersOfTen[] = {1, 10, 100, 1000};

// Writes the pieces of a line one after another: note lines are most of the
// records of any file, so the pieces are written without calls.
class LineWriter {
public:
    explicit LineWriter(char* out) : cursor_(out) {}

    template <std::size_t N>
    void Put(const char (&literal)[N])
    {
        std::memcpy(cursor_, literal, N - 1);
        cursor_ += N - 1;
    }
    void PutShort(const char* text)
    {
        while (*text != '\0')
            *cursor_++ = *text++;
    }
    // Right-aligned in `width` blanks; widths here are 2 or 3.
    void Number(unsigned value, int width)
    {
        if (width >= 0 && width <= 3 && value < kPowersOfTen[width]) {
            std::memcpy(cursor_, kBlankPadded.digits[value] + 3 - width, static_cast<std::size_t>(width));
            cursor_ += width;
        } else {
            cursor_ = WritePadded(cursor_, value, width, ' ');
        }
    }
    char* End() const { return cursor_; }

private:
    char* cursor_;
};

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

// Every field of a time signature counts something, so none is negative.
void AppendTimeSignature(std::string& out, std::span<const std::uint8_t> data)
{
    out += "Time Signature: n = ";
    AppendUnsigned(out, data[0]);
    out += ", d = ";
    AppendUnsigned(out, data[1]);
    out += ", c = ";
    AppendUnsigned(out, data[2]);
    out += ", b = ";
    AppendUnsigned(out, data[3]);
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

char* WriteNoteDescription(char* out, int kind, int channel, std::uint8_t note,
                           std::uint8_t velocity, const NoteTable& notes)
{
    const NoteInfo& info = notes[note];
    LineWriter line(out);
    if (kind == MidiKind::NoteOn)
        line.Put("NoteOn : channel ");
    else
        line.Put("NoteOff: channel ");
    line.Number(static_cast<unsigned>(channel + 1), 2);
    line.Put(", number ");
    line.Number(note, 3);
    if (info.name[0] == '\0' || info.name[1] == '\0')
        line.Put(", name  ");
    else
        line.Put(", name ");
    line.PutShort(info.name);
    line.Put(", octave ");
    line.Number(static_cast<unsigned>(info.octave), 2);
    line.Put(", velocity ");
    line.Number(velocity, 3);
    return line.End();
}

char* WriteTickColumns(char* out, std::uint64_t cumulativeTicks, std::uint64_t delta)
{
    // Nearly every record of nearly every file fits the widths exactly.
    if (cumulativeTicks < 1000000 && delta < 100000) {
        std::memcpy(out, kZeroPadded.digits[cumulativeTicks / 1000], 3);
        std::memcpy(out + 3, kZeroPadded.digits[cumulativeTicks % 1000], 3);
        out[6] = ' ';
        std::memcpy(out + 7, kZeroPadded.digits[delta / 1000] + 1, 2);
        std::memcpy(out + 9, kZeroPadded.digits[delta % 1000], 3);
        out[12] = ' ';
        return out + 13;
    }
    out = WritePadded(out, cumulativeTicks, 6, '0');
    *out++ = ' ';
    out = WritePadded(out, delta, 5, '0');
    *out++ = ' ';
    return out;
}

void AppendChannelDescription(std::string& out, int kind, int channel, std::uint8_t first,
                              std::uint8_t second, const NoteTable& notes,
                              const ProgramNameTable& programs)
{
    switch (kind) {
    case MidiKind::NoteOn:
    case MidiKind::NoteOff: {
        char line[kNoteDescriptionMost];
        out.append(line, WriteNoteDescription(line, kind, channel, first, second, notes));
        break;
    }
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

void AppendRecordLine(std::string& out, const MidiEvent& event, std::uint64_t ticks, std::uint64_t delta,
                      const NoteTable& notes, const ProgramNameTable& programs)
{
    const std::size_t start = out.size();
    out.resize(start + kTickColumnsSize + kNoteDescriptionMost);
    char* at = WriteTickColumns(out.data() + start, ticks, delta);
    const int kind = static_cast<int>(event.kind);
    const int channel = static_cast<int>(event.channel);
    if ((kind == MidiKind::NoteOn || kind == MidiKind::NoteOff) && event.length() >= 2)
        at = WriteNoteDescription(at, kind, channel, event.data[0], event.data[1], notes);
    out.resize(static_cast<std::size_t>(at - out.data()));
    if (kind == MidiKind::NoteOn || kind == MidiKind::NoteOff)
        return;
    if (kind == MidiKind::SystemExclusive)
        out += "Sysex";
    else if (kind & 0x80)
        AppendChannelDescription(out, kind, channel, event.length() > 0 ? event.data[0] : 0,
                                 event.length() > 1 ? event.data[1] : 0, notes, programs);
    else
        AppendMetaDescription(out, kind, std::span<const std::uint8_t>(event.data.data(), event.data.size()));
}
