#include "device/LightEffects.h"

#include "device/StepCounter.h"

#include <algorithm>

namespace {

constexpr uint8_t kBreathingSteps = 128;
constexpr uint8_t kWheelStride = 16;

size_t Clamped(uint8_t value, size_t size)
{
    return std::min<size_t>(value, size - 1);
}

// The step and colour index are shared by every effect, so after a mode
// change they may hold values of another effect's range.
RgbColour BasicColour(uint8_t index)
{
    return LightTables::kBasicColours[index % LightTables::kBasicColours.size()];
}

RgbColour WheelColour(uint8_t index)
{
    return LightTables::kColourWheel[index % LightTables::kColourWheel.size()];
}

} // namespace

uint8_t LightEffects::Level(uint8_t brightness)
{
    return LightTables::kBrightnessLevels[Clamped(brightness, LightTables::kBrightnessLevels.size())];
}

void LightEffects::Fill(std::span<LedColour> frame, RgbColour colour, uint8_t intensity)
{
    std::fill(frame.begin(), frame.end(), LedColour{colour.red, colour.green, colour.blue, intensity});
}

bool LightEffects::BlinkDue(uint8_t speed, EffectCounters& counters, uint32_t nowMs)
{
    const uint32_t period =
        LightTables::kBlinkPeriods[Clamped(speed, LightTables::kBlinkPeriods.size())] * LightTables::kBlinkUnitMs;
    if (nowMs - counters.lastBlinkMs < period)
        return false;
    counters.blinkOn = !counters.blinkOn;
    counters.lastBlinkMs = nowMs;
    return true;
}

void LightEffects::Breathing(const LightInfoRecord& state, EffectCounters& counters, std::span<LedColour> frame)
{
    counters.step = StepCounter(state.direction, kBreathingSteps, counters.step, 1);
    if (counters.step == 0) {
        counters.colourIndex = static_cast<uint8_t>(counters.colourIndex + kWheelStride);
        if (counters.colourIndex > LightTables::kWheelCycle)
            counters.colourIndex = 0;
    }
    const RgbColour colour = state.multiColor ? WheelColour(counters.colourIndex) : FixedColour(state);
    Fill(frame, colour, Scaled(Level(state.brightness), LightTables::kBreathingCurve[counters.step]));
}

void LightEffects::BreathingBasic(const LightInfoRecord& state, EffectCounters& counters, std::span<LedColour> frame)
{
    counters.step = StepCounter(state.direction, kBreathingSteps, counters.step, 1);
    if (counters.step == 0) {
        ++counters.colourIndex;
        if (counters.colourIndex >= LightTables::kBasicColours.size())
            counters.colourIndex = 0;
    }
    Fill(frame, BasicColour(counters.colourIndex),
         Scaled(Level(state.brightness), LightTables::kBreathingCurve[counters.step]));
}

void LightEffects::Static(const LightInfoRecord& state, std::span<LedColour> frame)
{
    Fill(frame, FixedColour(state), Level(state.brightness));
}

void LightEffects::Spectrum(const LightInfoRecord& state, EffectCounters& counters, std::span<LedColour> frame)
{
    counters.step = StepCounter(state.direction, LightTables::kWheelCycle, counters.step, 1);
    Fill(frame, WheelColour(counters.step), Level(state.brightness));
}

void LightEffects::Blink(const LightInfoRecord& state, EffectCounters& counters, std::span<LedColour> frame,
                         uint32_t nowMs)
{
    if (BlinkDue(state.speed, counters, nowMs)) {
        counters.step = static_cast<uint8_t>(counters.step + kWheelStride);
        if (counters.step >= LightTables::kWheelCycle)
            counters.step = 0;
    }
    if (!counters.blinkOn) {
        Off(frame);
        return;
    }
    Fill(frame, state.multiColor ? WheelColour(counters.step) : FixedColour(state), Level(state.brightness));
}

void LightEffects::BlinkBasic(const LightInfoRecord& state, EffectCounters& counters, std::span<LedColour> frame,
                              uint32_t nowMs)
{
    if (BlinkDue(state.speed, counters, nowMs)) {
        ++counters.step;
        if (counters.step >= LightTables::kBasicColours.size())
            counters.step = 0;
    }
    if (!counters.blinkOn) {
        Off(frame);
        return;
    }
    Fill(frame, BasicColour(counters.step), Level(state.brightness));
}

void LightEffects::Off(std::span<LedColour> frame)
{
    std::fill(frame.begin(), frame.end(), LedColour{});
}
