#pragma once

#include "sim/SimReportHandler.h"

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class SimHidInterface;

// The headset's lights: 17-byte output reports (report id 0xFF, ear cup
// 0x22 or 0x44, a colour and LED group code, the group's values from byte
// 4). It keeps the last colour of each of its 13 LEDs per ear cup and
// records every report; it has no vendor command channel.
class SimHeadset : public SimReportHandler {
public:
    static constexpr size_t kLedCount = 13;
    struct Colour {
        uint8_t red = 0, green = 0, blue = 0;
        bool operator==(const Colour&) const = default;
    };

    bool OnOutputReport(SimHidInterface& from, const uint8_t* report, size_t length) override;

    // Ear cup 0x22 or 0x44.
    Colour Led(uint8_t cup, size_t index) const;
    std::vector<std::vector<uint8_t>> Reports() const;
    void ClearReports();

    void AttachInterface(std::weak_ptr<SimHidInterface> interface);
    bool SendNotification(uint16_t code);

private:
    mutable std::mutex lock_;
    std::array<std::array<Colour, kLedCount>, 2> cups_{};
    std::vector<std::vector<uint8_t>> reports_;
    std::weak_ptr<SimHidInterface> interface_;
};
