#pragma once
// The engine's device lists (speakers, microphones, cameras) with a volume per device.
// Process-wide, like the machine's devices: they outlive any one engine handle.
#include <mutex>
#include <string>
#include <vector>

namespace tavik_sim {

enum class DeviceKind { Playout = 0, Recording = 1, VideoCapture = 2 };

class DeviceCatalog {
public:
    static constexpr int kDefaultVolume = 128;

    DeviceCatalog();

    struct Device {
        std::string name;     // UTF-8
        std::string uniqueId; // what the capture settings dialog is given
        int volume;
    };

    void Set(DeviceKind kind, std::vector<Device> devices);
    void RestoreDefaults();

    int Count(DeviceKind kind) const;
    bool Get(DeviceKind kind, int index, Device& device) const;
    // Volume of one device; false when there is no such device.
    bool GetVolume(DeviceKind kind, int index, int& volume) const;
    bool SetVolume(DeviceKind kind, int index, int volume);

private:
    static std::size_t Slot(DeviceKind kind) { return static_cast<std::size_t>(kind); }
    bool Valid(DeviceKind kind, int index) const;

    mutable std::mutex mutex_;
    std::vector<Device> lists_[3];
};

} // namespace tavik_sim
