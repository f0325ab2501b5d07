#pragma once

#include "device/DeviceProtocol.h"
#include "device/LedColour.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Turns a device's LED frame into light frame packets (command 0x12) and
// sends them, as the light tick asks every few milliseconds. The device keeps
// showing the last frame it took, so a frame equal to that one is not sent
// again: an idle static colour costs no USB traffic. After a failed send
// nothing is sent for kFailurePauseMs; the frame goes out again after that
// even when it has not changed. Never allocates.
class LightFrameSender {
public:
    static constexpr size_t kBufferSize = 512;
    // Three bytes per LED; LEDs past this many have no room and are not sent.
    static constexpr size_t kMaxLeds = kBufferSize / 3;
    static constexpr uint32_t kFailurePauseMs = 200;

    enum class Outcome { Sent, Unchanged, Paused, Dropped, Failed };

    // Clears the buffer and writes LED i as bytes 3i to 3i + 2: red, green and
    // blue, each × intensity ÷ 256.
    void Encode(std::span<const LedColour> frame);
    const std::array<uint8_t, kBufferSize>& Buffer() const { return buffer_; }
    size_t Length() const { return length_; }

    // Sends the encoded frame on the channel's direct route unless it is what
    // the device already shows or a failure is less than the pause ago.
    // Dropped: a command was in progress and some packets gave way (sent
    // again on the next call).
    Outcome Send(DeviceProtocol& channel, uint32_t nowMs);
    // The device may have lost what it showed (interface reopened, route
    // changed, host lighting switched): the next frame goes out whatever it is.
    void Forget();

private:
    std::array<uint8_t, kBufferSize> buffer_{};
    std::array<uint8_t, kBufferSize> shown_{};
    size_t length_ = 0;
    size_t shownLength_ = 0;
    bool haveShown_ = false;
    bool paused_ = false;
    uint32_t pausedSinceMs_ = 0;
};
