#include "sim/SimDeviceMemory.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kInfoLength = 34;
constexpr size_t kTableLength = 512;
constexpr size_t kColourBanks = 10;
constexpr size_t kStatusLength = 56;

// The 34-byte device information record: product id, firmware version,
// device type, key count, macro memory in 128-byte units, sensor code, DPI
// step, number of DPI steps, minimum DPI.
std::vector<uint8_t> InfoRecord(uint16_t product, uint8_t keys, uint8_t macroUnits, uint16_t sensor, uint8_t dpiStep,
                                uint16_t dpiSteps, uint16_t minimumDpi)
{
    std::vector<uint8_t> info(kInfoLength, 0);
    info[0] = static_cast<uint8_t>(product);
    info[1] = static_cast<uint8_t>(product >> 8);
    info[2] = 0x02; // firmware 1.02
    info[3] = 0x01;
    info[5] = keys;
    info[6] = macroUnits;
    info[9] = static_cast<uint8_t>(sensor);
    info[10] = static_cast<uint8_t>(sensor >> 8);
    info[11] = dpiStep;
    info[12] = static_cast<uint8_t>(dpiSteps);
    info[13] = static_cast<uint8_t>(dpiSteps >> 8);
    info[14] = static_cast<uint8_t>(minimumDpi);
    info[15] = static_cast<uint8_t>(minimumDpi >> 8);
    return info;
}

// Light bytes 1..8 of a settings record: mode code, brightness, 4 - speed,
// direction, multicolour, red, green, blue.
void PutLight(std::vector<uint8_t>& settings, size_t record, uint8_t mode)
{
    const uint8_t light[] = {mode, 4, 2, 0, 1, 0xFF, 0x00, 0x00};
    std::memcpy(settings.data() + record + 1, light, sizeof(light));
}

} // namespace

std::shared_ptr<SimDeviceMemory> SimDeviceMemory::Mouse()
{
    std::shared_ptr<SimDeviceMemory> memory(new SimDeviceMemory);
    memory->Area(SimRegion::Info) = InfoRecord(0x7C1F, 11, 32, 0x3325, 100, 260, 100);
    std::vector<uint8_t> settings(1024, 0);
    for (size_t profile = 0; profile < 5; ++profile) {
        const size_t record = profile * 128;
        PutLight(settings, record, static_cast<uint8_t>(profile));
        settings[record + 11] = 3; // report rate index
        settings[record + 12] = 1; // current DPI stage
        for (size_t stage = 0; stage < 5; ++stage) {
            uint8_t* dpi = settings.data() + record + 14 + 9 * stage;
            const uint16_t steps = static_cast<uint16_t>(4 + 4 * stage * (stage + 1)); // 500 .. 8100 DPI
            const uint8_t values[] = {1, 0, static_cast<uint8_t>(steps), static_cast<uint8_t>(steps >> 8),
                                      static_cast<uint8_t>(steps), static_cast<uint8_t>(steps >> 8),
                                      static_cast<uint8_t>(50 * stage), 0xFF, static_cast<uint8_t>(255 - 50 * stage)};
            std::memcpy(dpi, values, sizeof(values));
        }
        settings[record + 59] = 1;
    }
    settings[0] = 0; // the profile in use
    memory->Area(SimRegion::Settings) = settings;
    std::vector<uint8_t> keys(kTableLength, 0);
    const uint8_t factory[11][3] = {{0x10, 0x01, 0x00}, {0x10, 0x02, 0x00}, {0x10, 0x04, 0x00}, {0x10, 0x10, 0x00},
                                    {0x10, 0x08, 0x00}, {0x13, 0x01, 0x00}, {0x13, 0x02, 0x00}, {0x13, 0x03, 0x00},
                                    {0xA0, 0x1B, 0x00}, {0x16, 0x90, 0x01}, {0x14, 0x78, 0x02}};
    std::memcpy(keys.data(), factory, sizeof(factory));
    memory->Area(SimRegion::KeyTable) = keys;
    memory->Area(SimRegion::KeyMap).assign(kTableLength, 0);
    memory->Area(SimRegion::KeyColours).assign(kColourBanks * kTableLength, 0);
    memory->Area(SimRegion::Macro).assign(32 * 128, 0);
    memory->Area(SimRegion::Recoil).assign(4096, 0);
    memory->Area(SimRegion::Status) = std::vector<uint8_t>(kStatusLength, 0);
    memory->Set(SimRegion::Status, 0, {0x64, 0x00, 0x01, 0x00, 0x02, 0x00});
    memory->Area(SimRegion::LightFrame).assign(kTableLength, 0);
    return memory;
}

std::shared_ptr<SimDeviceMemory> SimDeviceMemory::Keyboard()
{
    std::shared_ptr<SimDeviceMemory> memory(new SimDeviceMemory);
    memory->Area(SimRegion::Info) = InfoRecord(0x505B, 170, 56, 0, 0, 0, 0);
    std::vector<uint8_t> settings(512, 0);
    for (size_t profile = 0; profile < 5; ++profile) {
        const size_t record = profile * 26;
        PutLight(settings, record, static_cast<uint8_t>(profile + 1));
        settings[record + 22] = 3; // polling rate
    }
    settings[0] = 0;
    memory->Area(SimRegion::Settings) = settings;
    // Keyboard keys (type 0x20, modifiers, usage): Escape, F1..F12, then a
    // usage per position; consumer and special keys where the board has them.
    std::vector<uint8_t> keys(kTableLength, 0);
    for (size_t key = 0; key < 170; ++key) {
        uint8_t* row = keys.data() + 3 * key;
        row[0] = 0x20;
        row[2] = key >= 126 ? 0 : static_cast<uint8_t>(key == 0 ? 0x29 : key <= 12 ? 0x39 + key : 0x04 + key % 0x60);
    }
    const uint8_t special[][4] = {{16, 0xA0, 0x1B, 0x00}, {17, 0x30, 0xE9, 0x00}, {18, 0x30, 0xEA, 0x00},
                                  {19, 0x30, 0xE2, 0x00}, {20, 0x30, 0x92, 0x01}, {110, 0xA0, 0x01, 0x00}};
    for (const auto& row : special)
        std::memcpy(keys.data() + 3 * row[0], row + 1, 3);
    memory->Area(SimRegion::KeyTable) = keys;
    std::vector<uint8_t> map(kTableLength, 0);
    for (size_t key = 0; key < 170; ++key)
        map[key] = static_cast<uint8_t>(key); // light frame position of each key
    memory->Area(SimRegion::KeyMap) = map;
    memory->Area(SimRegion::KeyColours).assign(kColourBanks * kTableLength, 0);
    memory->Area(SimRegion::Macro).assign(7168, 0);
    memory->Area(SimRegion::Status) = std::vector<uint8_t>(kStatusLength, 0);
    memory->Set(SimRegion::Status, 0, {0x50, 0x01, 0x01, 0x00, 0x01, 0x00});
    memory->Area(SimRegion::LightFrame).assign(kTableLength, 0);
    return memory;
}

std::shared_ptr<SimDeviceMemory> SimDeviceMemory::MousePad()
{
    std::shared_ptr<SimDeviceMemory> memory(new SimDeviceMemory);
    memory->Area(SimRegion::Info) = InfoRecord(0x1004, 0, 0, 0, 0, 0, 0);
    std::vector<uint8_t> settings(512, 0);
    PutLight(settings, 0, 2);
    memory->Area(SimRegion::Settings) = settings;
    memory->Area(SimRegion::Status) = std::vector<uint8_t>(kStatusLength, 0);
    memory->Area(SimRegion::LightFrame).assign(kTableLength, 0);
    return memory;
}

std::vector<uint8_t>& SimDeviceMemory::Area(SimRegion region)
{
    return areas_[static_cast<size_t>(region)];
}

const std::vector<uint8_t>& SimDeviceMemory::Area(SimRegion region) const
{
    return areas_[static_cast<size_t>(region)];
}

size_t SimDeviceMemory::Size(SimRegion region) const
{
    std::lock_guard guard(lock_);
    return Area(region).size();
}

std::vector<uint8_t> SimDeviceMemory::Get(SimRegion region, size_t offset, size_t length) const
{
    std::lock_guard guard(lock_);
    const std::vector<uint8_t>& area = Area(region);
    if (offset >= area.size())
        return {};
    const size_t end = offset + std::min(length, area.size() - offset);
    return std::vector<uint8_t>(area.begin() + static_cast<ptrdiff_t>(offset),
                                area.begin() + static_cast<ptrdiff_t>(end));
}

bool SimDeviceMemory::Set(SimRegion region, size_t offset, const std::vector<uint8_t>& bytes)
{
    return Write(region, offset, bytes.size(), bytes.data());
}

bool SimDeviceMemory::Read(SimRegion region, size_t offset, size_t length, uint8_t* out) const
{
    std::lock_guard guard(lock_);
    const std::vector<uint8_t>& area = Area(region);
    if (offset > area.size() || length > area.size() - offset)
        return false;
    if (length > 0)
        std::memcpy(out, area.data() + offset, length);
    return true;
}

bool SimDeviceMemory::Write(SimRegion region, size_t offset, size_t length, const uint8_t* data)
{
    std::lock_guard guard(lock_);
    std::vector<uint8_t>& area = Area(region);
    if (offset > area.size() || length > area.size() - offset)
        return false;
    if (length > 0)
        std::memcpy(area.data() + offset, data, length);
    return true;
}

bool SimDeviceMemory::HostLighting() const
{
    std::lock_guard guard(lock_);
    return hostLighting_;
}

void SimDeviceMemory::SetHostLighting(bool on)
{
    std::lock_guard guard(lock_);
    hostLighting_ = on;
}

bool SimDeviceMemory::ImageValid(SimRegion region) const
{
    std::lock_guard guard(lock_);
    const std::vector<uint8_t>& image = Area(region);
    auto word = [&](size_t at) { return static_cast<size_t>(image[at] | (image[at + 1] << 8)); };
    if (image.size() < 16 || image[0] != 0xAA || image[1] != 0x55)
        return false;
    const size_t total = word(2);
    const size_t entries = word(4);
    if (total < 16 || total > image.size() || 16 + 2 * entries > total)
        return false;
    for (size_t entry = 0; entry < entries; ++entry) {
        const size_t at = word(16 + 2 * entry);
        if (at + 4 > total || at + 4 + 4 * word(at) > total)
            return false;
    }
    return true;
}
