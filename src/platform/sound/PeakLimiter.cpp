#include "platform/sound/PeakLimiter.h"

#include <algorithm>
#include <cmath>

PeakLimiter::PeakLimiter(int sampleRate, double ceiling, double lookAheadMs, double releaseMs)
    : ceiling_(ceiling), release_(1 - std::exp(-1000.0 / (releaseMs * sampleRate))),
      length_(std::max<std::size_t>(1, static_cast<std::size_t>(lookAheadMs * sampleRate / 1000))),
      delayLeft_(length_), delayRight_(length_), released_(length_, 1.0), sum_(static_cast<double>(length_)),
      minFrame_(length_), minWanted_(length_)
{
}

double PeakLimiter::WindowMinimum(double wanted)
{
    const std::size_t size = length_;
    while (minCount_ > 0 && minWanted_[(minHead_ + minCount_ - 1) % size] >= wanted)
        --minCount_;
    if (minCount_ > 0 && minFrame_[minHead_] + size <= frame_) {
        minHead_ = (minHead_ + 1) % size;
        --minCount_;
    }
    const std::size_t back = (minHead_ + minCount_) % size;
    minFrame_[back] = frame_;
    minWanted_[back] = wanted;
    ++minCount_;
    return minWanted_[minHead_];
}

void PeakLimiter::Process(float& left, float& right)
{
    const double peak = std::max(std::fabs(left), std::fabs(right));
    const double wanted = peak > ceiling_ ? ceiling_ / peak : 1.0;
    lastReleased_ = std::min(WindowMinimum(wanted), lastReleased_ + (1 - lastReleased_) * release_);

    const std::size_t in = frame_ % length_;
    const std::size_t out = (frame_ + 1) % length_;
    sum_ += lastReleased_ - released_[in];
    released_[in] = lastReleased_;
    gain_ = std::min(1.0, sum_ / static_cast<double>(length_));

    delayLeft_[in] = left;
    delayRight_[in] = right;
    left = static_cast<float>(delayLeft_[out] * gain_);
    right = static_cast<float>(delayRight_[out] * gain_);
    ++frame_;
}
