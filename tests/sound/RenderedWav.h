#pragma once
// Plays a MIDI file through the wav: output on a virtual clock and reads
// back what was written, for the sound tests.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct RenderedWav {
    std::vector<double> left, right;  // -1 to 1
};

struct RenderChoice {
    std::string soundFont;  // empty: the default
    int volume = 100;
};

// name tells the scratch file apart from other tests' running at the same time.
RenderedWav RenderWav(const Bytes& smf, const std::string& name, const RenderChoice& choice = {});
// The file's bytes; empty when it cannot be read.
Bytes ReadBytes(const std::string& path);

double Rms(const std::vector<double>& samples, double fromMs, double toMs);
double Correlation(const std::vector<double>& a, const std::vector<double>& b, double fromMs, double toMs);
// The largest magnitude of either channel, in dB below full scale.
double PeakDbfs(const RenderedWav& wav);
// The longest run of samples at full scale in either channel.
std::size_t LongestClippedRun(const RenderedWav& wav);
