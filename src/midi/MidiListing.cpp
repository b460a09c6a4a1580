#include "midi/MidiListing.h"

#include <algorithm>
#include <string_view>

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

MidiListing::MidiListing(const MidiFile& file, const std::string& path) : file_(&file)
{
    head_ = {path, HeaderLine(file)};
    for (std::size_t i = 0; i < file.tracks.size(); ++i)
        head_.push_back(TrackHeadLine(file.tracks[i], i + 1));
    head_.emplace_back();
    if (!file.parsed)
        return;
    std::size_t lines = 0;
    for (std::size_t list = 0; list <= file.tracks.size(); ++list)
        trackEnds_.push_back(lines += ListedEvents(list).size() + 1);
}

const MidiEventList& MidiListing::ListedEvents(std::size_t list) const
{
    return list < file_->tracks.size() ? file_->tracks[list].events : file_->measureTrack;
}

std::string_view MidiListing::operator[](std::size_t line) const
{
    if (line < head_.size())
        return head_[line];
    const std::optional<ListedRecord> record = RecordAt(line);
    return record ? ListedEvents(record->list)[record->index].text : std::string_view();
}

std::optional<ListedRecord> MidiListing::RecordAt(std::size_t line) const
{
    if (line < head_.size() || line >= size())
        return std::nullopt;
    const std::size_t body = line - head_.size();
    const auto after = std::upper_bound(trackEnds_.begin(), trackEnds_.end(), body);
    const auto list = static_cast<std::size_t>(after - trackEnds_.begin());
    const std::size_t index = body - (list == 0 ? 0 : trackEnds_[list - 1]);
    if (index >= ListedEvents(list).size())
        return std::nullopt;
    return ListedRecord{list, index};
}

std::optional<std::size_t> MidiListing::LineOf(ListedRecord record) const
{
    if (record.list >= trackEnds_.size() || record.index >= ListedEvents(record.list).size())
        return std::nullopt;
    return head_.size() + (record.list == 0 ? 0 : trackEnds_[record.list - 1]) + record.index;
}

void WriteMidiListing(std::ostream& out, const MidiFile& file, const std::string& path)
{
    ChunkedWriter writer(out);
    MidiListing(file, path).ForEachLine([&writer](std::string_view line) { writer.Line(line); });
}

std::string PlayListLine(const MidiEvent& event)
{
    std::string line;
    AppendPlayListLine(line, event);
    return line;
}

void AppendPlayListLine(std::string& line, const MidiEvent& event)
{
    AppendUnsigned(line, event.time);
    line.push_back(' ');
    AppendUnsigned(line, event.delta);
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

void WritePlayList(std::ostream& out, const MidiEventList& events)
{
    ChunkedWriter writer(out);
    for (const MidiEvent& event : events) {
        AppendPlayListLine(writer.Buffer(), event);
        writer.Line({});
    }
}
