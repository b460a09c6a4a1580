#pragma once
// A feed-forward compressor with a soft knee on the stereo peak envelope:
// above the threshold the level rises only by 1/ratio of what the input
// does. It evens out dense passages so that the limiter after it has little
// left to do.
class Compressor {
public:
    struct Shape {
        double thresholdDb = -12;
        double ratio = 3;
        double kneeDb = 6;
        double attackMs = 5;
        double releaseMs = 250;
    };

    Compressor(int sampleRate, const Shape& shape);

    void Process(float& left, float& right);
    // The gain reduction for an envelope at this level, in dB (0 or less).
    double ReductionDb(double levelDb) const;

private:
    Shape shape_;
    double attack_, release_;
    double envelope_ = 0;
};
