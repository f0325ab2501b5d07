#include "device/LightEffects.h"
#include "device/LightFrameSender.h"
#include "device/LightListPlayer.h"
#include "device/LightTables.h"
#include "device/StepCounter.h"
#include "tests/device/DevicePageFixture.h"
#include "tests/device/ProtocolFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

namespace {

using LightTables::kColourWheel;

TEST(LightTables, CurvesAndWheelHoldTheirShape)
{
    const auto& curve = LightTables::kBreathingCurve;
    EXPECT_EQ(curve[0], 0);
    EXPECT_EQ(curve[63], 255);
    EXPECT_EQ(curve[64], 255);
    EXPECT_EQ(curve[127], 0);
    for (size_t i = 0; i < 64; ++i) {
        EXPECT_EQ(curve[i], curve[127 - i]) << i;
        if (i > 0) {
            EXPECT_GT(curve[i], curve[i - 1]) << i;
        }
    }
    for (size_t i = 0; i < LightTables::kWaveCurve.size(); ++i)
        EXPECT_EQ(LightTables::kWaveCurve[i], curve[16 + i]);

    // One ramp up or down per segment, the other components at 0 or 255.
    EXPECT_EQ(kColourWheel[0], (RgbColour{255, 1, 0}));
    EXPECT_EQ(kColourWheel[31], (RgbColour{255, 255, 0}));
    EXPECT_EQ(kColourWheel[32], (RgbColour{248, 255, 0}));
    EXPECT_EQ(kColourWheel[95], (RgbColour{0, 255, 255}));
    EXPECT_EQ(kColourWheel[127], (RgbColour{0, 0, 255}));
    EXPECT_EQ(kColourWheel[159], (RgbColour{255, 0, 255}));
    EXPECT_EQ(kColourWheel[191], (RgbColour{255, 0, 0}));
    for (size_t k = 0; k < 32; ++k)
        EXPECT_EQ(kColourWheel[192 + k], kColourWheel[k]) << k;

    EXPECT_EQ(LightTables::kBrightnessLevels, (std::array<uint8_t, 5>{0, 80, 135, 195, 255}));
    EXPECT_EQ(LightTables::kBlinkPeriods, (std::array<uint8_t, 5>{8, 6, 4, 2, 1}));
}

TEST(StepCounter, CountsUpAndDownAndWrapsAtTheLimit)
{
    struct Case {
        int direction;
        uint8_t limit, value, delta, expected;
    };
    const Case cases[] = {
        {0, 128, 0, 1, 127}, {1, 128, 127, 1, 0},  {1, 192, 190, 1, 191}, {0, 192, 5, 1, 4},
        {1, 192, 176, 16, 0}, {0, 192, 0, 16, 176}, {1, 96, 0, 1, 1},       {0, 128, 200, 1, 127},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepCounter(c.direction, c.limit, c.value, c.delta), c.expected)
            << c.direction << " " << int(c.limit) << " " << int(c.value) << " " << int(c.delta);
}

TEST(LightEffects, BrightnessZeroDarkensEveryEffect)
{
    using Effect = void (*)(const LightInfoRecord&, EffectCounters&, std::span<LedColour>, uint32_t);
    const Effect effects[] = {
        [](const LightInfoRecord& s, EffectCounters& c, std::span<LedColour> f, uint32_t) {
            LightEffects::Breathing(s, c, f);
        },
        [](const LightInfoRecord& s, EffectCounters& c, std::span<LedColour> f, uint32_t) {
            LightEffects::BreathingBasic(s, c, f);
        },
        [](const LightInfoRecord& s, EffectCounters&, std::span<LedColour> f, uint32_t) { LightEffects::Static(s, f); },
        [](const LightInfoRecord& s, EffectCounters& c, std::span<LedColour> f, uint32_t) {
            LightEffects::Spectrum(s, c, f);
        },
        LightEffects::Blink,
        LightEffects::BlinkBasic,
    };
    for (uint8_t multiColor : {0, 1}) {
        LightInfoRecord state;
        state.brightness = 0;
        state.multiColor = multiColor;
        state.red = state.green = state.blue = 255;
        for (const Effect effect : effects) {
            EffectCounters counters;
            std::vector<LedColour> frame(4);
            for (uint32_t step = 0; step < 300; ++step) {
                effect(state, counters, frame, step * 16);
                for (const LedColour& led : frame)
                    ASSERT_EQ(led.intensity, 0) << "step " << step;
            }
        }
    }
}

TEST(LightEffects, SpeedAndBrightnessPastTheTablesCountAsTheLast)
{
    LightInfoRecord state;
    state.brightness = 9;
    state.speed = 200;
    state.red = 255;
    EffectCounters counters;
    std::vector<LedColour> frame(2);
    LightEffects::Blink(state, counters, frame, 1000);
    EXPECT_EQ(frame[0], (LedColour{255, 0, 0, 255}));
    LightEffects::Blink(state, counters, frame, 1200); // speed 4: 200 ms
    EXPECT_EQ(frame[0], LedColour{});
}

TEST(LightListPlayer, PlaysEachEntryForItsDwellTime)
{
    LightListPlayer player;
    LightInfoRecord state;
    std::vector<LedColour> frame(3, LedColour{1, 1, 1, 1});
    player.Play(state, frame, 0);
    EXPECT_EQ(frame[0], LedColour{}); // an empty list is dark

    LightEffectStep red;
    red.mode = 1; // static
    red.brightness = 4;
    red.red = 255;
    red.time = 100;
    LightEffectStep wave;
    wave.mode = 4;
    wave.brightness = 2;
    wave.speed = 4;
    wave.multiColor = 1;
    wave.time = 1000;
    player.SetList({red, wave});
    player.Play(state, frame, 1000);
    EXPECT_EQ(frame[2], (LedColour{255, 0, 0, 255}));
    player.Play(state, frame, 1099);
    EXPECT_EQ(player.EntryIndex(), 0u);
    player.Play(state, frame, 1100);
    EXPECT_EQ(player.EntryIndex(), 1u);
    // The wave puts neighbouring LEDs 12 wheel entries apart.
    player.Play(state, frame, 1116);
    const RgbColour first = kColourWheel[2];
    const RgbColour third = kColourWheel[26];
    EXPECT_EQ(frame[0], (LedColour{first.red, first.green, first.blue, 135}));
    EXPECT_EQ(frame[2], (LedColour{third.red, third.green, third.blue, 135}));
}

// The light engine of a device page, stepped tick by tick on virtual time.
class LightEngine : public DevicePageFixture {
protected:
    void SetMode(uint8_t mode, uint8_t speed, uint8_t multiColor, RgbColour colour = {10, 20, 30})
    {
        LightInfoRecord state;
        state.mode = mode;
        state.brightness = 4;
        state.speed = speed;
        state.multiColor = multiColor;
        state.red = colour.red;
        state.green = colour.green;
        state.blue = colour.blue;
        device->SetLightState(state);
    }
    // One light-thread tick: 15.625 ms on average in whole milliseconds.
    void Tick()
    {
        Loop().Clock().Advance(ticks_++ % 8 < 5 ? 16 : 15);
        device->RunLightTick();
    }

    SimFirmware& ConnectCable(const std::string& name, size_t row)
    {
        SimFirmware& firmware = *devices.Plug(name);
        EXPECT_TRUE(device->OpenCommandInterface(Entry(row, SimDevices::CommandPath(name))));
        firmware.ClearTraffic();
        return firmware;
    }

private:
    int ticks_ = 0;
};

constexpr uint8_t kBaseBreathing = 0;
constexpr uint8_t kBaseStatic = 2;
constexpr uint8_t kBaseBlink = 4;

TEST_F(LightEngine, MulticolourBreathingMovesRoundTheWheelOnlyAtTheEndOfABreath)
{
    SetMode(kBaseBreathing, 4, 1);
    std::vector<uint8_t> indices;
    for (int tick = 0; tick < 128 * 14; ++tick) {
        Tick();
        const EffectCounters counters = device->Counters();
        const RgbColour expected = kColourWheel[counters.colourIndex];
        const LedColour led = LedColour::Unpack(device->GetLedColour(7));
        ASSERT_EQ((RgbColour{led.red, led.green, led.blue}), expected);
        if (indices.empty()) {
            indices.push_back(counters.colourIndex);
        } else if (indices.back() != counters.colourIndex) {
            ASSERT_EQ(counters.step, 0) << "the colour changed mid-breath";
            indices.push_back(counters.colourIndex);
        }
    }
    // 16 entries a breath, entry 192 (red again) shown before the wrap.
    std::vector<uint8_t> expected;
    for (int index = 0; index <= 192; index += 16)
        expected.push_back(static_cast<uint8_t>(index));
    expected.push_back(0);
    ASSERT_GE(indices.size(), expected.size());
    EXPECT_EQ(std::vector<uint8_t>(indices.begin(), indices.begin() + static_cast<ptrdiff_t>(expected.size())),
              expected);
    EXPECT_EQ(kColourWheel[192], (RgbColour{255, 1, 0}));
}

TEST_F(LightEngine, BlinkChangesPhaseEveryPeriodOfItsSpeed)
{
    struct Case {
        uint8_t speed;
        uint64_t periodMs;
        uint64_t ticksPerStep;
    };
    for (const Case c : {Case{0, 1600, 8}, Case{4, 200, 1}}) {
        SetMode(kBaseBlink, c.speed, 0);
        std::vector<uint64_t> changes;
        bool lit = LedColour::Unpack(device->GetLedColour(0)).intensity != 0;
        for (int tick = 0; tick < 1000; ++tick) {
            Tick();
            const bool now = LedColour::Unpack(device->GetLedColour(0)).intensity != 0;
            if (now != lit)
                changes.push_back(Loop().NowMs());
            lit = now;
        }
        ASSERT_GT(changes.size(), 4u);
        for (size_t i = 1; i < changes.size(); ++i) {
            EXPECT_GE(changes[i] - changes[i - 1], c.periodMs) << int(c.speed);
            EXPECT_LT(changes[i] - changes[i - 1], c.periodMs + 16 * c.ticksPerStep) << int(c.speed);
        }
    }
}

TEST_F(LightEngine, LedColourOutsideTheFrameChangesNothing)
{
    device->SetLedColour(3, 0x80112233);
    device->SetLedColour(-1, 0xFFFFFFFF);
    device->SetLedColour(kLeds, 0xFFFFFFFF);
    EXPECT_EQ(device->GetLedColour(-1), 0u);
    EXPECT_EQ(device->GetLedColour(kLeds), 0u);
    std::vector<LedColour> expected(kLeds);
    expected[3] = {0x33, 0x22, 0x11, 0x80};
    EXPECT_EQ(device->Frame(), expected);

    // The same count again still clears the frame and the per-LED records.
    std::vector<LightInfoRecord> records(kLeds);
    records[2].mode = 5;
    device->SetLedRecords(records);
    device->SetLedCount(kLeds);
    EXPECT_EQ(device->Frame(), std::vector<LedColour>(kLeds));
    EXPECT_EQ(device->LedRecords(), std::vector<LightInfoRecord>(kLeds));
}

TEST_F(LightEngine, FullKeyboardFrameFills510BytesAndGoesOutInChunks)
{
    SimFirmware& keyboard = ConnectCable("keyboard", 0);
    device->SetLedCount(170);
    for (int i = 0; i < 170; ++i)
        device->SetLedColour(i, LedColour{255, 128, static_cast<uint8_t>(i), 255}.Packed());
    device->SetHostLighting(1);
    device->SendLightFrame();

    const auto& buffer = device->FrameSender().Buffer();
    EXPECT_EQ(device->FrameSender().Length(), 510u);
    EXPECT_EQ(buffer[507], 254);
    EXPECT_EQ(buffer[508], 127);
    EXPECT_EQ(buffer[509], 168);
    EXPECT_EQ(buffer[510], 0);
    EXPECT_EQ(buffer[511], 0);

    std::vector<SimCommandRecord> expected;
    for (size_t offset = 0; offset < 510; offset += 56) {
        const size_t length = std::min<size_t>(56, 510 - offset);
        expected.push_back(Written(0x12, static_cast<uint16_t>(offset),
                                   std::vector<uint8_t>(buffer.begin() + static_cast<ptrdiff_t>(offset),
                                                        buffer.begin() + static_cast<ptrdiff_t>(offset + length))));
    }
    std::vector<SimCommandRecord> sent;
    for (const auto& packet : keyboard.LightPackets())
        sent.push_back(packet.packet);
    EXPECT_EQ(sent, expected);

    // More LEDs than the buffer holds: the ones past 170 are left out.
    device->SetLedCount(200);
    device->SendLightFrame();
    EXPECT_EQ(device->FrameSender().Length(), 510u);
}

TEST_F(LightEngine, StaticColourIsSentOnceAndAgainOnlyWhenItChangesOrFailed)
{
    SimFirmware& mouse = ConnectCable("mouse", 4);
    device->SetHostLighting(1);
    SetMode(kBaseStatic, 4, 0, {255, 0, 0});
    const uint32_t frameBytes = 3 * kLeds;
    auto packets = [&] { return mouse.LightPackets().size(); };
    for (int i = 0; i < 50; ++i) {
        Tick();
        device->SendLightFrame();
    }
    EXPECT_EQ(packets(), 1u);
    EXPECT_EQ(mouse.LightPackets()[0].packet.payload, std::vector<uint8_t>({254, 0, 0, 254, 0, 0, 254, 0, 0, 254, 0,
                                                                           0, 254, 0, 0, 254, 0, 0, 254, 0, 0, 254, 0,
                                                                           0, 254, 0, 0, 254, 0, 0, 254, 0, 0, 254, 0,
                                                                           0, 254, 0, 0, 254, 0, 0, 254, 0, 0}));
    EXPECT_EQ(mouse.LightPackets()[0].packet.length, frameBytes);

    // A change reaches the device on the next light tick.
    SetMode(kBaseStatic, 4, 0, {0, 0, 255});
    Tick();
    device->SendLightFrame();
    EXPECT_EQ(packets(), 2u);

    // A failed frame is not retried for 200 ms, then sent again unchanged.
    SetMode(kBaseStatic, 4, 0, {0, 255, 0});
    mouse.InjectFault({SimFaultKind::WriteFails, 0, 1});
    Tick();
    device->SendLightFrame();
    EXPECT_EQ(packets(), 2u);
    for (int ms = 5; ms < 200; ms += 5) {
        Loop().Clock().Advance(5);
        device->SendLightFrame();
    }
    EXPECT_EQ(packets(), 2u);
    Loop().Clock().Advance(5);
    device->SendLightFrame();
    EXPECT_EQ(packets(), 3u);
    EXPECT_EQ(mouse.LightPackets()[2].packet.payload[1], 254);
}

TEST_F(LightEngine, SwitchOffStopsFramesAndPreviewWhileEffectsGoOn)
{
    SimFirmware& mouse = ConnectCable("mouse", 4);
    device->SetWindowActive(1);
    SetMode(kBaseBreathing, 4, 1);
    Loop().RunPending();
    window.Host().PaintNow();
    const int updates = Led(0)->updates;
    const int paints = window.Host().PaintCount();
    std::set<uint32_t> seen;
    for (int i = 0; i < 100; ++i) {
        Tick();
        seen.insert(device->GetLedColour(0));
        device->SendLightFrame();
        Loop().RunPending();
    }
    EXPECT_GT(seen.size(), 50u); // still computing
    EXPECT_TRUE(mouse.LightPackets().empty());
    EXPECT_EQ(Led(0)->updates, updates);
    EXPECT_EQ(window.Host().PaintCount(), paints);

    device->SetHostLighting(1);
    Tick();
    device->SendLightFrame();
    Loop().RunPending();
    EXPECT_EQ(mouse.LightPackets().size(), 1u);
    EXPECT_EQ(Led(0)->updates, updates + 1);
    EXPECT_EQ(Led(0)->lastIntensity, LedColour::Unpack(device->GetLedColour(0)).intensity);
    EXPECT_GT(window.Host().PaintCount(), paints);
}

TEST_F(LightEngine, AStaticColourRepaintsThePreviewOnlyWhenItChanges)
{
    ConnectCable("mouse", 4);
    device->SetHostLighting(1);
    device->SetWindowActive(1);
    SetMode(kBaseStatic, 4, 0, {255, 0, 0});
    auto tick = [&] {
        Tick();
        device->SendLightFrame();
        Loop().RunPending(); // runs the repaint an invalidation asked for
    };
    tick();
    const int paints = window.Host().PaintCount();

    for (int i = 0; i < 50; ++i)
        tick();
    EXPECT_EQ(window.Host().PaintCount(), paints);

    SetMode(kBaseStatic, 4, 0, {0, 0, 255});
    tick();
    EXPECT_EQ(window.Host().PaintCount(), paints + 1);
}

TEST_F(LightEngine, ThroughTheReceiverOnlyThePreviewIsRepaintedEvery500Ms)
{
    SimFirmware& receiver = *devices.Plug("mouse-receiver");
    ASSERT_TRUE(device->OpenCommandInterface(Entry(6, SimDevices::CommandPath("mouse-receiver"))));
    device->SetHostLighting(1);
    device->SetWindowActive(1);
    SetMode(kBaseBreathing, 4, 0, {0, 255, 0});
    receiver.ClearTraffic();
    const int updates = Led(3)->updates;
    entry->Apply({std::nullopt, {{EntryTimer::kLightTick, 5}}});
    Loop().AdvanceBy(2005);
    EXPECT_EQ(entry->Fired(EntryTimer::kLightTick), 5u); // at 5, 505, 1005, 1505, 2005 ms
    EXPECT_EQ(Led(3)->updates, updates + 5);
    EXPECT_TRUE(receiver.LightPackets().empty());
}

TEST_F(LightEngine, BindingFillsSlotsAndStartsLightsWhite)
{
    EXPECT_EQ(device->PageControls().KeyButtons().size(), size_t(kKeys));
    EXPECT_EQ(device->PageControls().KeyButtons()[10], window.Find("key_10"));
    ASSERT_EQ(device->PageControls().LightControls().size(), size_t(kLeds));
    EXPECT_EQ(device->PageControls().LightControls()[14], window.Find("light_14"));
    EXPECT_EQ(Led(14)->lastColour, 0xFFFFFFu);
    EXPECT_EQ(Led(14)->lastIntensity, 255);
    EXPECT_EQ(Led(15)->updates, 0); // past the LED count
}

} // namespace
