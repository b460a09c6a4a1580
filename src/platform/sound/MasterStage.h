#pragma once
// The synthesizer's last stage before the speakers or the WAV file: the
// program's level and the user's volume, then a compressor that evens out
// dense passages and a look-ahead limiter, so a single note sounds at a
// proper level and a full orchestra never clips.
//
// The volume may be set from any thread; the audio is processed on one.
#include <atomic>

#include "platform/sound/Compressor.h"
#include "platform/sound/PeakLimiter.h"

// 0 to 100 percent as a gain of 0 to 1: the cube of the fraction, as
// desktop volume sliders go, so half way is about -18 dB.
double VolumeScale(int percent);

class MasterStage {
public:
    // Above FluidSynth's own gain: a piano note at velocity 100 peaks near
    // -8 dBFS.
    static constexpr double kLevelDb = 18;
    // Peaks stop 1 dB below full scale.
    static constexpr double kCeiling = 0.891;

    explicit MasterStage(int sampleRate);

    // 0 to 100 percent; the gain glides there within a few milliseconds
    // while something sounds.
    void SetVolume(int percent);
    // The gain for a volume: the level, scaled by VolumeScale.
    static double VolumeGain(int percent);

    void Process(float* left, float* right, int frames);

private:
    std::atomic<double> target_;
    double gain_;
    bool started_ = false;
    double glide_;
    Compressor compressor_;
    PeakLimiter limiter_;
};
