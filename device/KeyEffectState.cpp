#include "device/KeyEffectState.h"

#include <algorithm>

void KeyEffectState::SetRingEntry(size_t position, uint8_t value)
{
    if (position < ring_.size())
        ring_[position] = value;
}

void KeyEffectState::SetIntensity(size_t key, uint8_t value)
{
    if (key < intensity_.size())
        intensity_[key] = value;
}

void KeyEffectState::Decay(int key, int mode)
{
    if (key < 0 || static_cast<size_t>(key) >= intensity_.size())
        return;
    uint8_t& value = intensity_[static_cast<size_t>(key)];
    if (mode == kMusicMode) {
        if (value & 0x90)
            value = static_cast<uint8_t>(value - 45);
        else if (value & 0x60)
            value = static_cast<uint8_t>(value - 35);
        else if (value > 0)
            --value;
        return;
    }
    const uint8_t drop = value >= 128 ? 40 : value >= 64 ? 30 : value >= 32 ? 15 : value >= 17 ? 8 : value >= 1 ? 1 : 0;
    value = static_cast<uint8_t>(value - drop);
}

void KeyEffectState::LightRingKeys()
{
    for (size_t key = 1; key <= 9; ++key)
        if (ring_[key] != 0)
            intensity_[key] = 255;
}

void KeyEffectState::Rotate(bool towardsEnd)
{
    if (towardsEnd)
        std::rotate(ring_.rbegin(), ring_.rbegin() + 1, ring_.rend());
    else
        std::rotate(ring_.begin(), ring_.begin() + 1, ring_.end());
}

void KeyEffectState::Reset()
{
    intensity_.fill(0);
    ring_.fill(0);
}
