#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "platform/sound/Compressor.h"
#include "platform/sound/MasterStage.h"
#include "platform/sound/PeakLimiter.h"

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979;

}  // namespace

TEST(MasterStageTest, TheLimiterNeverLetsAPeakThroughAboveItsCeiling)
{
    PeakLimiter limiter(kRate, 0.891, 5, 120);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> loud(-4.0f, 4.0f);
    double highest = 0;
    for (int i = 0; i < kRate; ++i) {
        // Quiet stretches between bursts, so the gain also has to recover.
        const bool burst = (i / 2000) % 3 == 0 || i % 997 == 0;
        float left = burst ? loud(random) : 0.3f * static_cast<float>(std::sin(i * 0.05));
        float right = burst ? loud(random) : -left;
        limiter.Process(left, right);
        highest = std::max({highest, std::fabs(double(left)), std::fabs(double(right))});
    }
    EXPECT_LE(highest, 0.891 + 1e-6);
    EXPECT_GT(highest, 0.8) << "loud input comes out loud";
}

TEST(MasterStageTest, TheLimiterPassesAQuietSignalUnchangedAfterItsLatency)
{
    PeakLimiter limiter(kRate, 0.891, 5, 120);
    std::vector<float> in, out;
    for (int i = 0; i < 4000; ++i) {
        float left = 0.5f * static_cast<float>(std::sin(2 * kPi * 440 * i / kRate));
        float right = left;
        in.push_back(left);
        limiter.Process(left, right);
        out.push_back(left);
    }
    const auto latency = static_cast<std::size_t>(limiter.Latency());
    EXPECT_EQ(latency, 219u) << "5 ms at 44.1 kHz, less the frame itself";
    for (std::size_t i = latency; i < out.size(); ++i)
        ASSERT_FLOAT_EQ(out[i], in[i - latency]) << "frame " << i;
    EXPECT_DOUBLE_EQ(limiter.Gain(), 1.0);
}

TEST(MasterStageTest, TheCompressorActsOnlyAboveItsKnee)
{
    Compressor compressor(kRate, Compressor::Shape{});  // -12 dB, 3:1, 6 dB knee
    EXPECT_EQ(compressor.ReductionDb(-20), 0);
    EXPECT_EQ(compressor.ReductionDb(-15), 0) << "the knee's lower edge";
    EXPECT_LT(compressor.ReductionDb(-12), 0) << "inside the knee";
    EXPECT_GT(compressor.ReductionDb(-12), -1);
    EXPECT_NEAR(compressor.ReductionDb(0), -8, 1e-9) << "12 dB over at 3:1 comes out 4 dB over";
}

TEST(MasterStageTest, TheVolumeGoesByTheCubeAndGlidesToANewSetting)
{
    EXPECT_DOUBLE_EQ(VolumeScale(100), 1);
    EXPECT_DOUBLE_EQ(VolumeScale(50), 0.125);
    EXPECT_DOUBLE_EQ(VolumeScale(0), 0);
    EXPECT_DOUBLE_EQ(VolumeScale(150), 1) << "out of range is clamped";
    EXPECT_DOUBLE_EQ(VolumeScale(-5), 0);

    MasterStage stage(kRate);
    std::vector<float> left(kRate / 10, 0.01f), right(kRate / 10, 0.01f);
    stage.SetVolume(50);
    stage.Process(left.data(), right.data(), 1000);
    const float first = left[500];
    EXPECT_NEAR(first, 0.01 * MasterStage::VolumeGain(50), 1e-6) << "the first sound takes the volume at once";
    stage.SetVolume(0);
    stage.Process(left.data() + 1000, right.data() + 1000, static_cast<int>(left.size()) - 1000);
    EXPECT_GT(std::fabs(left[1250]), first / 10) << "no jump to silence while something sounds: the gain glides";
    EXPECT_LT(std::fabs(left.back()), first / 1000) << "and gets there within a few milliseconds";
}
