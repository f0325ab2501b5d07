#pragma once

#include "device/LedColour.h"
#include "device/LightInfoRecord.h"
#include "device/LightTables.h"

#include <cstdint>
#include <span>

// What the effects carry from one step to the next.
struct EffectCounters {
    uint8_t step = 0;
    uint8_t colourIndex = 0;
    bool blinkOn = false;
    uint32_t lastBlinkMs = 0; // time of the last blink change
};

// The base effects: each fills every LED of a frame for one step of the
// effect from the light state. Intensities are the brightness level, scaled
// by a curve where one is involved. Brightness and speed above 4 count as 4,
// so a record from outside can never index past a table.
class LightEffects {
public:
    static uint8_t Level(uint8_t brightness);
    // level × curve ÷ 256, the high byte of the product.
    static uint8_t Scaled(uint8_t level, uint8_t curve) { return static_cast<uint8_t>((level * curve) >> 8); }
    static RgbColour FixedColour(const LightInfoRecord& state) { return {state.red, state.green, state.blue}; }
    static void Fill(std::span<LedColour> frame, RgbColour colour, uint8_t intensity);
    // Toggles the blink phase when a whole blink period of `speed` has passed
    // since the last change; true when it did.
    static bool BlinkDue(uint8_t speed, EffectCounters& counters, uint32_t nowMs);

    // The colour wheel cycles by 16 entries each time the step comes back to 0.
    static void Breathing(const LightInfoRecord& state, EffectCounters& counters, std::span<LedColour> frame);
    // The four basic colours in turn, one per breath.
    static void BreathingBasic(const LightInfoRecord& state, EffectCounters& counters, std::span<LedColour> frame);
    static void Static(const LightInfoRecord& state, std::span<LedColour> frame);
    static void Spectrum(const LightInfoRecord& state, EffectCounters& counters, std::span<LedColour> frame);
    static void Blink(const LightInfoRecord& state, EffectCounters& counters, std::span<LedColour> frame,
                      uint32_t nowMs);
    static void BlinkBasic(const LightInfoRecord& state, EffectCounters& counters, std::span<LedColour> frame,
                           uint32_t nowMs);
    static void Off(std::span<LedColour> frame);
};
