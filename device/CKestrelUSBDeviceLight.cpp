#include "device/CKestrelUSBDevice.h"

#include "device/ThreadStopTrace.h"

#include <algorithm>

// The light engine of the device base: the LED frame and its records, the
// light thread and its modes, the effects, the frame sent on the light tick
// and the per-key effect state.

void CKestrelUSBDevice::SetLedCount(int count)
{
    const size_t leds = static_cast<size_t>(std::max(count, 0));
    {
        std::lock_guard guard(lightLock_);
        frame_.assign(leds, LedColour{});
        frameCopy_.assign(leds, LedColour{});
    }
    {
        std::lock_guard guard(ledRecordsLock_);
        ledRecords_.assign(leds, LightInfoRecord{});
    }
    page_.SetLightControlCount(leds);
    WakeLightThread();
}

int CKestrelUSBDevice::LedCount() const
{
    std::lock_guard guard(lightLock_);
    return static_cast<int>(frame_.size());
}

void CKestrelUSBDevice::StartLightThread()
{
    StopLightThread();
    lightThread_.Start(channels_.SharedCommand(), [this] { return RunLightTick(); }, lightWake_,
                       LightThreadExitLine());
}

void CKestrelUSBDevice::StopLightThread()
{
    TraceThreadStop(lightThread_.Stop());
}

std::span<const CKestrelUSBDevice::LightModeRow> CKestrelUSBDevice::LightModes() const
{
    static constexpr std::array<uint8_t, 5> kSteps{8, 6, 4, 2, 1};
    static const std::array<LightModeRow, 7> kModes{{
        {kSteps, &CKestrelUSBDevice::EffectBreathing},
        {kSteps, &CKestrelUSBDevice::EffectBreathingBasic},
        {kSteps, &CKestrelUSBDevice::EffectStatic, true},
        {kSteps, &CKestrelUSBDevice::EffectSpectrum},
        {kSteps, &CKestrelUSBDevice::EffectBlink},
        {kSteps, &CKestrelUSBDevice::EffectBlinkBasic},
        {kSteps, &CKestrelUSBDevice::EffectOff, true},
    }};
    return kModes;
}

bool CKestrelUSBDevice::RunLightTick()
{
    std::lock_guard guard(lightLock_);
    if (tickCount_ < 255)
        ++tickCount_;
    const std::span<const LightModeRow> modes = LightModes();
    if (lightState_.mode >= modes.size()) {
        LightFallback();
        return false;
    }
    const LightModeRow& row = modes[lightState_.mode];
    if (tickCount_ < row.thresholds[std::min<size_t>(lightState_.speed, row.thresholds.size() - 1)])
        return false;
    (this->*row.effect)();
    tickCount_ = 0;
    return row.steady;
}

void CKestrelUSBDevice::LightFallback()
{
    std::lock_guard guard(lightLock_);
    lightList_.Play(lightState_, frame_, NowMs());
}

LightInfoRecord CKestrelUSBDevice::LightState() const
{
    std::lock_guard guard(lightLock_);
    return lightState_;
}

EffectCounters CKestrelUSBDevice::Counters() const
{
    std::lock_guard guard(lightLock_);
    return counters_;
}

std::vector<LedColour> CKestrelUSBDevice::Frame() const
{
    std::lock_guard guard(lightLock_);
    return frame_;
}

std::vector<LightInfoRecord> CKestrelUSBDevice::LedRecords() const
{
    std::lock_guard guard(ledRecordsLock_);
    return ledRecords_;
}

void CKestrelUSBDevice::SetLedRecords(std::vector<LightInfoRecord> records)
{
    std::lock_guard guard(ledRecordsLock_);
    records.resize(ledRecords_.size());
    ledRecords_ = std::move(records);
}

void CKestrelUSBDevice::EffectBreathing()
{
    std::lock_guard guard(lightLock_);
    LightEffects::Breathing(lightState_, counters_, frame_);
}

void CKestrelUSBDevice::EffectBreathingBasic()
{
    std::lock_guard guard(lightLock_);
    LightEffects::BreathingBasic(lightState_, counters_, frame_);
}

void CKestrelUSBDevice::EffectStatic()
{
    std::lock_guard guard(lightLock_);
    LightEffects::Static(lightState_, frame_);
}

void CKestrelUSBDevice::EffectSpectrum()
{
    std::lock_guard guard(lightLock_);
    LightEffects::Spectrum(lightState_, counters_, frame_);
}

void CKestrelUSBDevice::EffectBlink()
{
    std::lock_guard guard(lightLock_);
    LightEffects::Blink(lightState_, counters_, frame_, NowMs());
}

void CKestrelUSBDevice::EffectBlinkBasic()
{
    std::lock_guard guard(lightLock_);
    LightEffects::BlinkBasic(lightState_, counters_, frame_, NowMs());
}

void CKestrelUSBDevice::EffectOff()
{
    std::lock_guard guard(lightLock_);
    LightEffects::Off(frame_);
}

void CKestrelUSBDevice::SendLightFrame()
{
    if (hostLighting_ == 0)
        return;
    {
        std::lock_guard guard(lightLock_);
        std::copy(frame_.begin(), frame_.end(), frameCopy_.begin());
    }
    page_.Preview(frameCopy_, windowActive_ != 0);
    frameSender_.Encode(frameCopy_);
    if (IsCommandOpen() && !ViaReceiver())
        frameSender_.Send(channels_.Command(), NowMs());
}

void CKestrelUSBDevice::SetLedColour(int index, uint32_t value)
{
    std::lock_guard guard(lightLock_);
    if (index < 0 || static_cast<size_t>(index) >= frame_.size())
        return;
    frame_[static_cast<size_t>(index)] = LedColour::Unpack(value);
    WakeLightThread();
}

uint32_t CKestrelUSBDevice::GetLedColour(int index) const
{
    std::lock_guard guard(lightLock_);
    if (index < 0 || static_cast<size_t>(index) >= frame_.size())
        return 0;
    return frame_[static_cast<size_t>(index)].Packed();
}

void CKestrelUSBDevice::SetLightState(const LightInfoRecord& record)
{
    std::lock_guard guard(lightLock_);
    lightState_ = record;
    WakeLightThread();
}

// Per-key effect state.

KeyEffectState CKestrelUSBDevice::KeyEffects() const
{
    std::lock_guard guard(lightLock_);
    return keyEffects_;
}

void CKestrelUSBDevice::SetRingEntry(size_t position, uint8_t value)
{
    std::lock_guard guard(lightLock_);
    keyEffects_.SetRingEntry(position, value);
}

void CKestrelUSBDevice::DecayKeyEffect(int key, int mode)
{
    std::lock_guard guard(lightLock_);
    keyEffects_.Decay(key, mode);
}

void CKestrelUSBDevice::LightRingKeys()
{
    std::lock_guard guard(lightLock_);
    keyEffects_.LightRingKeys();
}

void CKestrelUSBDevice::RotateRing(int direction)
{
    std::lock_guard guard(lightLock_);
    keyEffects_.Rotate(direction != 0);
}

void CKestrelUSBDevice::ResetKeyEffects()
{
    std::lock_guard guard(lightLock_);
    keyEffects_.Reset();
}
