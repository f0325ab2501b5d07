#pragma once

#include <cstdint>

// The light effect of a profile (14 bytes, the layout devices and profile
// documents share). A record never set is all zero.
struct LightInfoRecord {
    uint8_t mode = 0;       // index into the device's mode list
    uint8_t brightness = 0; // 0 to 4
    uint8_t speed = 0;      // 0 to 4, 4 fastest
    uint8_t direction = 0;  // 0 or 1
    uint8_t multiColor = 0; // cycle the colour wheel instead of the fixed colour
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t reserved[3] = {0, 0, 0};
    uint8_t subMode = 0;     // the keyboard's secondary mode
    uint8_t customGroup = 0; // the keyboard's custom light group
    uint8_t savedMode = 0;   // mode to return to after game event lighting

    bool operator==(const LightInfoRecord&) const = default;
};
static_assert(sizeof(LightInfoRecord) == 14);
