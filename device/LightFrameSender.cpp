#include "device/LightFrameSender.h"

#include <algorithm>
#include <cstring>

void LightFrameSender::Encode(std::span<const LedColour> frame)
{
    buffer_.fill(0);
    const size_t leds = std::min(frame.size(), kMaxLeds);
    for (size_t i = 0; i < leds; ++i) {
        const LedColour& led = frame[i];
        buffer_[3 * i] = static_cast<uint8_t>((led.red * led.intensity) >> 8);
        buffer_[3 * i + 1] = static_cast<uint8_t>((led.green * led.intensity) >> 8);
        buffer_[3 * i + 2] = static_cast<uint8_t>((led.blue * led.intensity) >> 8);
    }
    length_ = 3 * leds;
}

LightFrameSender::Outcome LightFrameSender::Send(DeviceProtocol& channel, uint32_t nowMs)
{
    if (paused_) {
        if (nowMs - pausedSinceMs_ < kFailurePauseMs)
            return Outcome::Paused;
        paused_ = false;
    }
    if (haveShown_ && shownLength_ == length_ && std::memcmp(shown_.data(), buffer_.data(), length_) == 0)
        return Outcome::Unchanged;
    size_t dropped = 0;
    if (channel.StreamLightFrame(buffer_.data(), length_, &dropped) != kResultOk) {
        haveShown_ = false;
        paused_ = true;
        pausedSinceMs_ = nowMs;
        return Outcome::Failed;
    }
    if (dropped > 0) {
        haveShown_ = false;
        return Outcome::Dropped;
    }
    shown_ = buffer_;
    shownLength_ = length_;
    haveShown_ = true;
    return Outcome::Sent;
}

void LightFrameSender::Forget()
{
    haveShown_ = false;
    paused_ = false;
}
