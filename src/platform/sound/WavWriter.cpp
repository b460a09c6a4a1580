#include "platform/sound/WavWriter.h"

#include <algorithm>
#include <array>

namespace {

void Put32(std::array<char, 44>& header, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        header[at + i] = static_cast<char>(value >> (8 * i));
}

void Put16(std::array<char, 44>& header, std::size_t at, std::uint16_t value)
{
    header[at] = static_cast<char>(value);
    header[at + 1] = static_cast<char>(value >> 8);
}

}  // namespace

bool WavWriter::Open(const std::string& path, int sampleRate)
{
    sampleRate_ = sampleRate;
    dataBytes_ = 0;
    file_.open(path, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    if (!file_)
        return false;
    WriteHeader();
    return true;
}

void WavWriter::Write(const std::vector<std::int16_t>& samples)
{
    // Little-endian hosts only: the samples are written as they lie in memory.
    file_.write(reinterpret_cast<const char*>(samples.data()),
                static_cast<std::streamsize>(samples.size() * sizeof(std::int16_t)));
    dataBytes_ += samples.size() * sizeof(std::int16_t);
}

void WavWriter::Finish()
{
    if (!file_.is_open())
        return;
    file_.seekp(0);
    WriteHeader();
    file_.seekp(0, std::ios::end);
    file_.flush();
}

void WavWriter::WriteHeader()
{
    std::array<char, 44> header{};
    auto data = static_cast<std::uint32_t>(std::min<std::uint64_t>(dataBytes_, 0xFFFFFFFFu - 36));
    std::copy_n("RIFF", 4, header.begin());
    Put32(header, 4, 36 + data);
    std::copy_n("WAVEfmt ", 8, header.begin() + 8);
    Put32(header, 16, 16);
    Put16(header, 20, 1);
    Put16(header, 22, kChannels);
    Put32(header, 24, static_cast<std::uint32_t>(sampleRate_));
    Put32(header, 28, static_cast<std::uint32_t>(sampleRate_ * kChannels * 2));
    Put16(header, 32, kChannels * 2);
    Put16(header, 34, 16);
    std::copy_n("data", 4, header.begin() + 36);
    Put32(header, 40, data);
    file_.write(header.data(), header.size());
}
