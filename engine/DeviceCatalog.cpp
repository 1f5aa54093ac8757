#include "engine/DeviceCatalog.h"

namespace tavik_sim {

DeviceCatalog::DeviceCatalog()
{
    RestoreDefaults();
}

void DeviceCatalog::Set(DeviceKind kind, std::vector<Device> devices)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    lists_[Slot(kind)] = std::move(devices);
}

void DeviceCatalog::RestoreDefaults()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    lists_[Slot(DeviceKind::Playout)] = {{"Speakers (simulated)", "playout-0", kDefaultVolume}};
    lists_[Slot(DeviceKind::Recording)] = {{"Microphone (simulated)", "recording-0", kDefaultVolume}};
    lists_[Slot(DeviceKind::VideoCapture)] = {{"Camera (simulated)", "video-capture-0", kDefaultVolume}};
}

int DeviceCatalog::Count(DeviceKind kind) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(lists_[Slot(kind)].size());
}

bool DeviceCatalog::Valid(DeviceKind kind, int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < lists_[Slot(kind)].size();
}

bool DeviceCatalog::Get(DeviceKind kind, int index, Device& device) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!Valid(kind, index))
        return false;
    device = lists_[Slot(kind)][static_cast<std::size_t>(index)];
    return true;
}

bool DeviceCatalog::GetVolume(DeviceKind kind, int index, int& volume) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!Valid(kind, index))
        return false;
    volume = lists_[Slot(kind)][static_cast<std::size_t>(index)].volume;
    return true;
}

bool DeviceCatalog::SetVolume(DeviceKind kind, int index, int volume)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!Valid(kind, index))
        return false;
    lists_[Slot(kind)][static_cast<std::size_t>(index)].volume = volume;
    return true;
}

} // namespace tavik_sim
