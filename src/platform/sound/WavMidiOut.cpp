#include "platform/sound/WavMidiOut.h"

#include <algorithm>
#include <vector>

WavMidiOut::~WavMidiOut()
{
    Close();
}

bool WavMidiOut::Open()
{
    if (!engine_) {
        engine_ = FluidSynthEngine::Create(soundFont_);
        if (!engine_ || !wav_.Open(path_, FluidSynthEngine::kSampleRate)) {
            tried_ = "wav:" + path_ + ": " + (engine_ ? "the file could not be written" : FluidSynthEngine::Problem(soundFont_));
            engine_.reset();
            return false;
        }
        startMs_ = clock_.NowMs();
    }
    RenderUntilNow();
    open_ = true;
    return true;
}

void WavMidiOut::Send(std::uint32_t shortMessage)
{
    if (!open_)
        return;
    RenderUntilNow();
    engine_->Send(shortMessage);
}

void WavMidiOut::Close()
{
    if (!open_)
        return;
    RenderUntilNow();
    engine_->AllNotesOff();
    wav_.Finish();
    open_ = false;
}

void WavMidiOut::SetVolume(int percent)
{
    if (!open_)
        return;
    RenderUntilNow();
    engine_->SetVolume(percent);
}

std::string WavMidiOut::TakeOpenNotice()
{
    return engine_ ? engine_->TakeNotice() : std::string();
}

void WavMidiOut::RenderUntilNow()
{
    std::int64_t target = (clock_.NowMs() - startMs_) * FluidSynthEngine::kSampleRate / 1000;
    constexpr std::int64_t kBlock = 4096;
    std::vector<std::int16_t> samples;
    while (renderedFrames_ < target) {
        int frames = static_cast<int>(std::min(kBlock, target - renderedFrames_));
        samples.assign(static_cast<std::size_t>(frames) * WavWriter::kChannels, 0);
        engine_->Render(frames, samples.data());
        wav_.Write(samples);
        renderedFrames_ += frames;
    }
}
