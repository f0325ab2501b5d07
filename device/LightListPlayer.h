#pragma once

#include "device/LedColour.h"
#include "device/LightEffectStep.h"
#include "device/LightEffects.h"
#include "device/LightInfoRecord.h"

#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

// Plays a device's LED effect list: each entry's effect for its dwell time,
// then the next, round the list. The light thread calls Play on each tick
// for a mode the device has no effect of its own for; the list is replaced
// from the UI thread under the list's lock.
class LightListPlayer {
public:
    // Starts again from the first entry.
    void SetList(std::vector<LightEffectStep> list);
    std::vector<LightEffectStep> List() const;
    size_t EntryIndex() const;

    // One tick: fills the frame for the current entry. The blink period comes
    // from the light state's speed, as the blink effect's does.
    void Play(const LightInfoRecord& state, std::span<LedColour> frame, uint32_t nowMs);

private:
    void Breathe(const LightEffectStep& entry, std::span<LedColour> frame);
    void Wave(const LightEffectStep& entry, std::span<LedColour> frame);
    RgbColour EntryColour(const LightEffectStep& entry) const;
    void AdvanceWhenDue(const LightEffectStep& entry, uint32_t nowMs);

    mutable std::mutex lock_;
    std::vector<LightEffectStep> list_;
    size_t index_ = 0;
    bool entryStarted_ = false;
    uint32_t entryStartMs_ = 0;
    uint8_t ticks_ = 0;
    EffectCounters counters_;
};
