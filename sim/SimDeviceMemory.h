#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// The memory areas the vendor commands reach.
enum class SimRegion { Info, Settings, KeyTable, KeyMap, KeyColours, Macro, Recoil, Status, LightFrame };

// What one simulated device keeps in its own memory, shared by its routes
// (the mouse on its cable and through its receiver is one mouse).
class SimDeviceMemory {
public:
    static std::shared_ptr<SimDeviceMemory> Mouse();
    static std::shared_ptr<SimDeviceMemory> Keyboard();
    static std::shared_ptr<SimDeviceMemory> MousePad();

    size_t Size(SimRegion region) const;
    // A copy of `length` bytes from `offset` (clipped to the region).
    std::vector<uint8_t> Get(SimRegion region, size_t offset = 0, size_t length = SIZE_MAX) const;
    // Changes memory as the device itself would; false when it does not fit.
    bool Set(SimRegion region, size_t offset, const std::vector<uint8_t>& bytes);

    bool Read(SimRegion region, size_t offset, size_t length, uint8_t* out) const;
    bool Write(SimRegion region, size_t offset, size_t length, const uint8_t* data);

    bool HostLighting() const;
    void SetHostLighting(bool on);

    // A download image (macro or recoil memory) is valid when it starts with
    // 0x55AA, its length fits the memory and every entry lies inside it.
    bool ImageValid(SimRegion region) const;

private:
    SimDeviceMemory() = default;
    std::vector<uint8_t>& Area(SimRegion region);
    const std::vector<uint8_t>& Area(SimRegion region) const;

    mutable std::mutex lock_;
    std::vector<uint8_t> areas_[9];
    bool hostLighting_ = false;
};
