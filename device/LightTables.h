#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The constant tables of the host light engine.

struct RgbColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    bool operator==(const RgbColour&) const = default;
};

namespace LightTables {

constexpr std::array<RgbColour, 4> kBasicColours{{{0, 255, 180}, {0, 255, 0}, {255, 255, 255}, {255, 0, 0}}};

// Brightness 0 to 4.
constexpr std::array<uint8_t, 5> kBrightnessLevels{0, 80, 135, 195, 255};

// Speed 0 to 4, in units of kBlinkUnitMs.
constexpr std::array<uint8_t, 5> kBlinkPeriods{8, 6, 4, 2, 1};
constexpr uint32_t kBlinkUnitMs = 200;

namespace detail {

constexpr std::array<uint8_t, 64> kRise{0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  12,  14,
                                        16,  18,  20,  22,  24,  27,  30,  33,  36,  39,  42,  45,  49,
                                        53,  57,  61,  65,  69,  73,  77,  81,  85,  89,  94,  99,  104,
                                        109, 114, 119, 124, 129, 134, 140, 146, 152, 158, 164, 170, 176,
                                        182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255};

constexpr std::array<uint8_t, 32> kUp{1,   3,   5,   7,   10,  14,  18,  22,  26,  32,  38,
                                      44,  50,  57,  65,  73,  81,  89,  99,  109, 119, 129,
                                      140, 152, 164, 176, 188, 200, 213, 227, 241, 255};
constexpr std::array<uint8_t, 32> kDown{248, 234, 220, 206, 194, 182, 170, 158, 146, 134, 124,
                                        114, 104, 94,  85,  77,  69,  61,  53,  47,  41,  35,
                                        29,  24,  20,  16,  12,  8,   6,   4,   2,   0};

constexpr std::array<uint8_t, 128> MakeBreathingCurve()
{
    std::array<uint8_t, 128> curve{};
    for (size_t i = 0; i < 64; ++i) {
        curve[i] = kRise[i];
        curve[127 - i] = kRise[i];
    }
    return curve;
}

constexpr std::array<RgbColour, 224> MakeColourWheel()
{
    std::array<RgbColour, 224> wheel{};
    for (size_t k = 0; k < 32; ++k) {
        const uint8_t u = kUp[k];
        const uint8_t d = kDown[k];
        wheel[k] = {255, u, 0};
        wheel[32 + k] = {d, 255, 0};
        wheel[64 + k] = {0, 255, u};
        wheel[96 + k] = {0, d, 255};
        wheel[128 + k] = {u, 0, 255};
        wheel[160 + k] = {255, 0, d};
        wheel[192 + k] = {255, u, 0};
    }
    return wheel;
}

} // namespace detail

// Rises over entries 0 to 63 and falls back over 64 to 127.
constexpr std::array<uint8_t, 128> kBreathingCurve = detail::MakeBreathingCurve();

// Entries 16 to 111 of the breathing curve.
constexpr std::array<uint8_t, 96> kWaveCurve = [] {
    std::array<uint8_t, 96> curve{};
    for (size_t i = 0; i < curve.size(); ++i)
        curve[i] = kBreathingCurve[16 + i];
    return curve;
}();

// Six ramps of 32 entries round the colour circle (red, yellow, green, cyan,
// blue, magenta and back), then the first ramp again: the breathing effect
// reaches entry 192 before it wraps to 0.
constexpr std::array<RgbColour, 224> kColourWheel = detail::MakeColourWheel();

// The colour cycles step through the first 192 entries.
constexpr uint8_t kWheelCycle = 192;

} // namespace LightTables
