#pragma once
// A 16-bit stereo PCM WAV file written as the samples come; the header's
// sizes are brought up to date at every Finish, so the file is complete
// whenever the output is closed.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

class WavWriter {
public:
    static constexpr int kChannels = 2;

    bool Open(const std::string& path, int sampleRate);
    bool IsOpen() const { return file_.is_open(); }
    // Interleaved left/right samples.
    void Write(const std::vector<std::int16_t>& samples);
    void Finish();

private:
    void WriteHeader();

    std::fstream file_;
    int sampleRate_ = 44100;
    std::uint64_t dataBytes_ = 0;
};
