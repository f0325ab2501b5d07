#pragma once

#include <cstdint>

// One entry of a device's LED effect list: an effect with its settings, shown
// for `time` milliseconds before the list moves on.
struct LightEffectStep {
    uint8_t mode = 0; // 0 breathing, 1 static, 2 blink, 4 wave, 5 spectrum
    uint8_t brightness = 0;
    uint8_t speed = 0;
    uint8_t direction = 0;
    uint8_t multiColor = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    int32_t time = 0;
    int32_t cycle = 0;
};
