#pragma once
// While one lives, FluidSynth's and ALSA's complaints on stderr are dropped:
// without a sound device every driver tried complains, and a SoundFont
// that cannot be loaded says so twice; the user gets one message box instead.
class QuietFluidLog {
public:
    QuietFluidLog();
    ~QuietFluidLog();
    QuietFluidLog(const QuietFluidLog&) = delete;
    QuietFluidLog& operator=(const QuietFluidLog&) = delete;
};
