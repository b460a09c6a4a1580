#include "platform/sound/MasterStage.h"

#include <algorithm>
#include <cmath>

MasterStage::MasterStage(int sampleRate)
    : target_(VolumeGain(100)), gain_(VolumeGain(100)), glide_(1 - std::exp(-1000.0 / (10.0 * sampleRate))),
      compressor_(sampleRate, Compressor::Shape{}), limiter_(sampleRate, kCeiling, 5, 120)
{
}

double VolumeScale(int percent)
{
    const double fraction = std::clamp(percent, 0, 100) / 100.0;
    return fraction * fraction * fraction;
}

double MasterStage::VolumeGain(int percent)
{
    return std::pow(10.0, kLevelDb / 20) * VolumeScale(percent);
}

void MasterStage::SetVolume(int percent)
{
    target_.store(VolumeGain(percent), std::memory_order_relaxed);
}

namespace {

bool Silent(const float* left, const float* right, int frames)
{
    for (int i = 0; i < frames; ++i)
        if (left[i] != 0 || right[i] != 0)
            return false;
    return true;
}

}  // namespace

// The gain glides only where it can be heard: the first block and a silent
// one take the volume at once, so a note that starts the output already
// sounds at the volume set before it.
void MasterStage::Process(float* left, float* right, int frames)
{
    const double target = target_.load(std::memory_order_relaxed);
    if (!started_ || Silent(left, right, frames))
        gain_ = target;
    started_ = true;
    for (int i = 0; i < frames; ++i) {
        gain_ += (target - gain_) * glide_;
        float l = static_cast<float>(left[i] * gain_);
        float r = static_cast<float>(right[i] * gain_);
        compressor_.Process(l, r);
        limiter_.Process(l, r);
        left[i] = l;
        right[i] = r;
    }
}
