#include "device/LightListPlayer.h"

#include "device/LightTables.h"

#include <algorithm>
#include <array>

namespace {

// Ticks per step by speed 0 to 4.
constexpr std::array<uint8_t, 5> kStepTicks{8, 6, 4, 2, 1};
constexpr std::array<uint8_t, 5> kSpectrumStepTicks{8, 5, 3, 1, 0};
constexpr uint8_t kWaveSpacing = 12; // wheel entries between neighbouring LEDs

enum EntryMode : uint8_t { kBreathing = 0, kStatic = 1, kBlink = 2, kWave = 4, kSpectrum = 5 };

uint8_t Threshold(const std::array<uint8_t, 5>& table, uint8_t speed)
{
    return table[std::min<size_t>(speed, table.size() - 1)];
}

} // namespace

void LightListPlayer::SetList(std::vector<LightEffectStep> list)
{
    std::lock_guard guard(lock_);
    list_ = std::move(list);
    index_ = 0;
    entryStarted_ = false;
}

std::vector<LightEffectStep> LightListPlayer::List() const
{
    std::lock_guard guard(lock_);
    return list_;
}

size_t LightListPlayer::EntryIndex() const
{
    std::lock_guard guard(lock_);
    return index_;
}

RgbColour LightListPlayer::EntryColour(const LightEffectStep& entry) const
{
    if (entry.multiColor)
        return LightTables::kColourWheel[counters_.colourIndex % LightTables::kWheelCycle];
    return {entry.red, entry.green, entry.blue};
}

void LightListPlayer::Play(const LightInfoRecord& state, std::span<LedColour> frame, uint32_t nowMs)
{
    LightEffectStep entry;
    {
        std::lock_guard guard(lock_);
        if (index_ >= list_.size())
            index_ = 0;
        if (list_.empty()) {
            LightEffects::Off(frame);
            return;
        }
        entry = list_[index_];
        if (!entryStarted_) {
            entryStarted_ = true;
            entryStartMs_ = nowMs;
        }
    }
    ++ticks_;
    const uint8_t level = LightEffects::Level(entry.brightness);
    switch (entry.mode) {
    case kBreathing:
        Breathe(entry, frame);
        break;
    case kStatic:
        if (ticks_ >= Threshold(kStepTicks, entry.speed))
            ticks_ = 0;
        LightEffects::Fill(frame, EntryColour(entry), level);
        break;
    case kBlink:
        if (LightEffects::BlinkDue(state.speed, counters_, nowMs) && counters_.blinkOn)
            counters_.colourIndex = static_cast<uint8_t>((counters_.colourIndex + 16) % LightTables::kWheelCycle);
        if (counters_.blinkOn)
            LightEffects::Fill(frame, EntryColour(entry), level);
        else
            LightEffects::Off(frame);
        break;
    case kWave:
        Wave(entry, frame);
        break;
    case kSpectrum:
        if (ticks_ >= Threshold(kSpectrumStepTicks, entry.speed)) {
            counters_.step = static_cast<uint8_t>((counters_.step + 1) % LightTables::kWheelCycle);
            ticks_ = 0;
        }
        LightEffects::Fill(frame, LightTables::kColourWheel[counters_.step % LightTables::kWheelCycle], level);
        break;
    default:
        break;
    }
    if (ticks_ == 255)
        ticks_ = 0;
    AdvanceWhenDue(entry, nowMs);
}

void LightListPlayer::Breathe(const LightEffectStep& entry, std::span<LedColour> frame)
{
    constexpr uint8_t kSteps = 128;
    if (ticks_ >= Threshold(kStepTicks, entry.speed)) {
        counters_.step = static_cast<uint8_t>((counters_.step + 1) % kSteps);
        ticks_ = 0;
        // A multicolour breath moves on round the wheel with each new breath.
        if (counters_.step == 0)
            counters_.colourIndex = static_cast<uint8_t>((counters_.colourIndex + 16) % LightTables::kWheelCycle);
    }
    LightEffects::Fill(frame, EntryColour(entry),
                       LightEffects::Scaled(LightEffects::Level(entry.brightness),
                                            LightTables::kBreathingCurve[counters_.step % kSteps]));
}

void LightListPlayer::Wave(const LightEffectStep& entry, std::span<LedColour> frame)
{
    constexpr unsigned kCycle = LightTables::kWheelCycle;
    if (ticks_ >= Threshold(kStepTicks, entry.speed)) {
        counters_.step = static_cast<uint8_t>((counters_.step + 1) % kCycle);
        ticks_ = 0;
    }
    const unsigned step = counters_.step % kCycle;
    unsigned position = 0;
    if (entry.direction)
        position = step == 0 ? kCycle - 1 : kCycle - step;
    else
        position = step + 1 == kCycle ? 0 : step + 1;
    const uint8_t level = LightEffects::Level(entry.brightness);
    for (size_t k = 0; k < frame.size(); ++k) {
        if (entry.multiColor) {
            const RgbColour colour = LightTables::kColourWheel[(position + kWaveSpacing * k) % kCycle];
            frame[k] = {colour.red, colour.green, colour.blue, level};
        } else {
            const uint8_t curve =
                LightTables::kWaveCurve[(position + kWaveSpacing + kWaveSpacing * k) % LightTables::kWaveCurve.size()];
            frame[k] = {entry.red, entry.green, entry.blue, LightEffects::Scaled(level, curve)};
        }
    }
}

void LightListPlayer::AdvanceWhenDue(const LightEffectStep& entry, uint32_t nowMs)
{
    std::lock_guard guard(lock_);
    if (static_cast<int64_t>(nowMs - entryStartMs_) < entry.time || list_.empty())
        return;
    index_ = (index_ + 1) % list_.size();
    entryStartMs_ = nowMs;
}
