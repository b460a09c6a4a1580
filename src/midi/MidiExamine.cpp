#include "midi/MidiExamine.h"

#include <filesystem>
#include <fstream>

#include "midi/MidiLoader.h"

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (!in || size < 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (in.gcount() != size)
        return std::nullopt;
    return bytes;
}

MidiExamination ExamineMidiFile(const std::string& path, const MidiPlayer& player)
{
    MidiExamination examination;
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return examination;
    examination.readable = true;
    examination.file = LoadMidiFile(*bytes, player);
    return examination;
}
