#include "midi/MidiOutput.h"

#include <algorithm>

bool MidiOutput::Hold(const void* user)
{
    std::lock_guard lock(mutex_);
    if (!device_)
        return false;
    if (std::find(users_.begin(), users_.end(), user) != users_.end())
        return true;
    if (!device_->IsOpen() && !device_->Open())
        return false;
    users_.push_back(user);
    return true;
}

void MidiOutput::Release(const void* user)
{
    std::lock_guard lock(mutex_);
    const auto held = std::find(users_.begin(), users_.end(), user);
    if (held == users_.end())
        return;
    users_.erase(held);
    if (users_.empty() && device_->IsOpen())
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
    if (device_ && device_->IsOpen())
        device_->Send(message);
}
