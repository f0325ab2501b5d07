#pragma once

#include <cstdint>

// One LED of a device's frame as the light engine computes it.
struct LedColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t intensity = 0;

    bool operator==(const LedColour&) const = default;

    // The 32-bit form callers pass around: red in the low byte, then green,
    // blue, intensity in the high byte.
    uint32_t Packed() const
    {
        return red | (uint32_t{green} << 8) | (uint32_t{blue} << 16) | (uint32_t{intensity} << 24);
    }
    static LedColour Unpack(uint32_t value)
    {
        return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
                static_cast<uint8_t>(value >> 24)};
    }
};
