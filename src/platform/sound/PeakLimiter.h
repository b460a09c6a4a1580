#pragma once
// A look-ahead peak limiter: the output is the input delayed by the
// look-ahead, its gain lowered smoothly before a peak arrives so that no
// sample ever exceeds the ceiling, and raised again with the release.
//
// Each frame asks for the gain that brings it to the ceiling. The gain
// used is the smallest asked for within one look-ahead (released slowly
// towards 1), averaged over one look-ahead: every value averaged is at
// most what the delayed frame asked for, so the average is too.
#include <cstddef>
#include <vector>

class PeakLimiter {
public:
    PeakLimiter(int sampleRate, double ceiling, double lookAheadMs, double releaseMs);

    // Takes one stereo frame and gives back, in its place, the frame one
    // look-ahead earlier, limited.
    void Process(float& left, float& right);
    // The gain applied to the frame last given back.
    double Gain() const { return gain_; }
    // Frames between a frame going in and coming out.
    int Latency() const { return static_cast<int>(length_) - 1; }

private:
    double WindowMinimum(double wanted);

    double ceiling_;
    double release_;
    std::size_t length_;
    std::size_t frame_ = 0;
    std::vector<float> delayLeft_, delayRight_;
    // The released gains of the window and their sum.
    std::vector<double> released_;
    double sum_;
    double lastReleased_ = 1;
    // The frames whose wanted gain may still be the window's smallest,
    // wanted gains ascending: a ring of length_ entries.
    std::vector<std::size_t> minFrame_;
    std::vector<double> minWanted_;
    std::size_t minHead_ = 0, minCount_ = 0;
    double gain_ = 1;
};
