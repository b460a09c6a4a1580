#include "midi/MidiListing.h"

#include <algorithm>
#include <string_view>

#include "midi/MidiDescriptions.h"
#include "midi/MidiPlayer.h"
#include "midi/MidiText.h"

namespace {

// Collects lines and writes them in large pieces: listings of big files run
// to hundreds of thousands of lines, and a stream write per line is slow.
class ChunkedWriter {
public:
    explicit ChunkedWriter(std::ostream& out) : out_(out) { buffer_.reserve(kChunk + 256); }
    ~ChunkedWriter() { Flush(); }

    std::string& Buffer() { return buffer_; }

    void Line(std::string_view line)
    {
        (buffer_ += line) += '\n';
        if (buffer_.size() >= kChunk)
            Flush();
    }

private:
    static constexpr std::size_t kChunk = 64 * 1024;

    void Flush()
    {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }

    std::ostream& out_;
    std::string buffer_;
};

// Tags are shown as read; bytes that are not printable show as '.'.
void AppendTag(std::string& out, const std::array<char, 4>& tag)
{
    for (const char c : tag)
        out.push_back(c >= 0x20 && c < 0x7F ? c : '.');
}

std::string HeaderLine(const MidiFile& file)
{
    std::string line;
    AppendTag(line, file.headerTag);
    line += " :  format ";
    AppendSigned(line, file.format);
    line += ",  tracks ";
    AppendUnsigned(line, file.trackCount());
    line += ",  divisions ";
    AppendUnsigned(line, file.division);
    line += ", total bytes ";
    AppendUnsigned(line, file.totalBytes);
    return line;
}

std::string TrackHeadLine(const MidiTrack& track, std::size_t number)
{
    std::string line;
    AppendTag(line, track.tag);
    line += " :  # ";
    AppendUnsigned(line, number);
    line += "  track length ";
    AppendUnsigned(line, track.length);
    line += " bytes";
    return line;
}

}  // namespace

MidiListing::MidiListing(const MidiFile& file, const MidiPlayer& names, const std::string& path)
    : file_(&file), names_(&names)
{
    head_ = {path, HeaderLine(file)};
    for (std::size_t i = 0; i < file.tracks.size(); ++i)
        head_.push_back(TrackHeadLine(file.tracks[i], i + 1));
    head_.emplace_back();
    if (!file.parsed)
        return;
    std::size_t lines = 0;
    for (std::size_t list = 0; list <= file.tracks.size(); ++list)
        trackEnds_.push_back(lines += ListSize(list) + 1);
}

std::size_t MidiListing::ListSize(std::size_t list) const
{
    return list < file_->tracks.size() ? file_->tracks[list].count : file_->measureTrack.size();
}

// Track records count their ticks as their times do; the measure track's
// are its bar lines, as a bar's marker plays a little before its line.
void MidiListing::AppendRecordLine(std::string& out, ListedRecord record) const
{
    if (record.list < file_->tracks.size()) {
        const std::span<const MidiEvent> events = file_->TrackEvents(record.list);
        const std::uint64_t time = events[record.index].time;
        const std::uint64_t delta = record.index == 0 ? time : time - events[record.index - 1].time;
        ::AppendRecordLine(out, events[record.index], time, delta, names_->noteTable, names_->programNames);
        return;
    }
    const std::vector<std::uint64_t>& ticks = file_->measureTicks;
    const std::uint64_t delta = record.index == 0 ? 0 : ticks[record.index] - ticks[record.index - 1];
    char columns[kTickColumnsSize];
    out.append(columns, WriteTickColumns(columns, ticks[record.index], delta));
    if (record.index == 0) {
        out += "Meta Measure Track";
    } else {
        out += "Measure Bar Marker  bar ";
        AppendUnsigned(out, record.index + 1);
    }
}

std::string MidiListing::operator[](std::size_t line) const
{
    if (line < head_.size())
        return head_[line];
    std::string text;
    if (const std::optional<ListedRecord> record = RecordAt(line))
        AppendRecordLine(text, *record);
    return text;
}

std::optional<ListedRecord> MidiListing::RecordAt(std::size_t line) const
{
    if (line < head_.size() || line >= size())
        return std::nullopt;
    const std::size_t body = line - head_.size();
    const auto after = std::upper_bound(trackEnds_.begin(), trackEnds_.end(), body);
    const auto list = static_cast<std::size_t>(after - trackEnds_.begin());
    const std::size_t index = body - (list == 0 ? 0 : trackEnds_[list - 1]);
    if (index >= ListSize(list))
        return std::nullopt;
    return ListedRecord{list, index};
}

std::optional<std::size_t> MidiListing::LineOf(ListedRecord record) const
{
    if (record.list >= trackEnds_.size() || record.index >= ListSize(record.list))
        return std::nullopt;
    return head_.size() + (record.list == 0 ? 0 : trackEnds_[record.list - 1]) + record.index;
}

void WriteMidiListing(std::ostream& out, const MidiFile& file, const MidiPlayer& names, const std::string& path)
{
    ChunkedWriter writer(out);
    const MidiListing listing(file, names, path);
    for (std::size_t line = 0; line < listing.HeadSize(); ++line)
        writer.Line(listing[line]);
    listing.AppendRecordLines(writer.Buffer(), [&writer] { writer.Line({}); });
}

std::string PlayListLine(const PlayList& list, std::size_t index)
{
    std::string line;
    AppendPlayListLine(line, list, index);
    return line;
}

void AppendPlayListLine(std::string& line, const PlayList& list, std::size_t index)
{
    const MidiEvent& event = list[index];
    AppendUnsigned(line, event.time);
    line.push_back(' ');
    AppendUnsigned(line, list.Delta(index));
    line.push_back(' ');
    AppendHexByte(line, static_cast<std::uint8_t>(event.kind));
    line.push_back(' ');
    AppendUnsigned(line, static_cast<unsigned>(event.channel));
    line.push_back(' ');
    for (const std::uint8_t byte : event.data)
        AppendHexByte(line, byte);
    if (event.data.empty())
        line.push_back('-');
    line.push_back(' ');
    AppendUnsigned(line, event.duration);
}

void WritePlayList(std::ostream& out, const PlayList& list)
{
    ChunkedWriter writer(out);
    for (std::size_t index = 0; index < list.size(); ++index) {
        AppendPlayListLine(writer.Buffer(), list, index);
        writer.Line({});
    }
}
