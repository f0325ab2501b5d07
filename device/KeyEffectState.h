#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The state of the reactive per-key effects: one intensity per key, which
// the effects light and let decay, and a ring of positions that turns.
class KeyEffectState {
public:
    static constexpr size_t kKeys = 170;
    static constexpr size_t kRingSize = 23;
    static constexpr int kMusicMode = 29;

    const std::array<uint8_t, kKeys>& Intensities() const { return intensity_; }
    const std::array<uint8_t, kRingSize>& Ring() const { return ring_; }
    void SetRingEntry(size_t position, uint8_t value);
    void SetIntensity(size_t key, uint8_t value);

    // Lowers a key's intensity, by more the brighter it is. The music mode
    // runs 255, 210, 165, 120, 75, 40, 5, 4, 3, 2, 1, 0; every other mode
    // drops 40 from 128, 30 from 64, 15 from 32, 8 from 17 and 1 below.
    void Decay(int key, int mode);
    // Keys 1 to 9 whose ring position is lit go to full intensity.
    void LightRingKeys();
    // One position towards the end of the ring when `towardsEnd`, else
    // towards its start.
    void Rotate(bool towardsEnd);
    void Reset();

private:
    std::array<uint8_t, kKeys> intensity_{};
    std::array<uint8_t, kRingSize> ring_{};
};
