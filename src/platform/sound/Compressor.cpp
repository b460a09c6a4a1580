#include "platform/sound/Compressor.h"

#include <algorithm>
#include <cmath>

Compressor::Compressor(int sampleRate, const Shape& shape)
    : shape_(shape), attack_(std::exp(-1000.0 / (shape.attackMs * sampleRate))),
      release_(std::exp(-1000.0 / (shape.releaseMs * sampleRate)))
{
}

double Compressor::ReductionDb(double levelDb) const
{
    const double over = levelDb - shape_.thresholdDb;
    const double half = shape_.kneeDb / 2;
    const double slope = 1 - 1 / shape_.ratio;
    if (over <= -half)
        return 0;
    if (over >= half)
        return -over * slope;
    return -(over + half) * (over + half) / (2 * shape_.kneeDb) * slope;
}

void Compressor::Process(float& left, float& right)
{
    const double peak = std::max(std::fabs(left), std::fabs(right));
    const double coefficient = peak > envelope_ ? attack_ : release_;
    envelope_ = peak + (envelope_ - peak) * coefficient;
    if (envelope_ < 1e-6)
        return;
    const double gain = std::pow(10.0, ReductionDb(20 * std::log10(envelope_)) / 20);
    left = static_cast<float>(left * gain);
    right = static_cast<float>(right * gain);
}
