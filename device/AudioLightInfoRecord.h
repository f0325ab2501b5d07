#pragma once

#include <cstdint>

// The music-lighting settings of a profile (9 bytes).
struct AudioLightInfoRecord {
    uint8_t audioMode = 0;
    uint8_t backgroundRed = 0;
    uint8_t backgroundGreen = 0;
    uint8_t backgroundBlue = 0;
    uint8_t foregroundRed = 0;
    uint8_t foregroundGreen = 0;
    uint8_t foregroundBlue = 0;
    uint8_t sevenColour = 0;
    uint8_t colourType = 0;

    bool operator==(const AudioLightInfoRecord&) const = default;
};
static_assert(sizeof(AudioLightInfoRecord) == 9);
