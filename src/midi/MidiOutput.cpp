#include "midi/MidiOutput.h"

#include <algorithm>

bool MidiOutput::Hold(const void* user)
{
    std::string notice;
    bool held = TryHold(user, notice);
    if (!held && observer_ && observer_->OutputFailed())
        held = TryHold(user, notice);
    if (!notice.empty() && observer_)
        observer_->OutputNotice(notice);
    return held;
}

bool MidiOutput::TryHold(const void* user, std::string& notice)
{
    std::lock_guard lock(mutex_);
    if (!device_)
        return false;
    if (!device_->IsOpen() && !OpenDevice(notice))
        return false;
    if (std::find(users_.begin(), users_.end(), user) == users_.end())
        users_.push_back(user);
    return true;
}

bool MidiOutput::OpenDevice(std::string& notice)
{
    if (!device_->Open())
        return false;
    device_->SetVolume(volume_);
    notice = device_->TakeOpenNotice();
    if (replayDue_) {
        channels_.Replay([this](std::uint32_t message) { device_->Send(message); });
        replayDue_ = false;
    }
    return true;
}

void MidiOutput::Release(const void* user)
{
    std::lock_guard lock(mutex_);
    const auto held = std::find(users_.begin(), users_.end(), user);
    if (held == users_.end())
        return;
    users_.erase(held);
    if (users_.empty() && device_ && device_->IsOpen())
        device_->Close();
}

bool MidiOutput::HeldBy(const void* user) const
{
    std::lock_guard lock(mutex_);
    return std::find(users_.begin(), users_.end(), user) != users_.end();
}

bool MidiOutput::IsOpen() const
{
    std::lock_guard lock(mutex_);
    return device_ && device_->IsOpen();
}

void MidiOutput::Send(std::uint32_t message)
{
    std::lock_guard lock(mutex_);
    channels_.Note(message);
    if (device_ && device_->IsOpen())
        device_->Send(message);
}

bool MidiOutput::SwitchDevice(IMidiOut* device, std::string& notice)
{
    std::lock_guard lock(mutex_);
    if (device_ && device_ != device && device_->IsOpen())
        device_->Close();
    device_ = device;
    replayDue_ = true;
    if (users_.empty() || !device_)
        return users_.empty();
    return device_->IsOpen() || OpenDevice(notice);
}

IMidiOut* MidiOutput::Device() const
{
    std::lock_guard lock(mutex_);
    return device_;
}

void MidiOutput::SetVolume(int percent)
{
    std::lock_guard lock(mutex_);
    volume_ = std::clamp(percent, 0, 100);
    if (device_ && device_->IsOpen())
        device_->SetVolume(volume_);
}

int MidiOutput::Volume() const
{
    std::lock_guard lock(mutex_);
    return volume_;
}
