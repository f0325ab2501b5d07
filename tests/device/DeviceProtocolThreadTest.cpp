#include "tests/device/ProtocolFixture.h"

#include <atomic>
#include <future>
#include <numeric>
#include <thread>

namespace {

using namespace std::chrono_literals;

class DeviceProtocolThreads : public ProtocolFixture {};

TEST_F(DeviceProtocolThreads, LightFrameOfferedDuringASettingsWriteSendsNothingAndSucceeds)
{
    SimFirmware& keyboard = Connect("keyboard");
    keyboard.InjectFault({SimFaultKind::Delay, 0, 1, 400});
    const std::vector<uint8_t> record(26, 7);
    auto writer = std::async(std::launch::async,
                             [&] { return channel.WriteSettings(record.data(), record.size(), 26); });
    while (!channel.IsBusy() && writer.wait_for(1ms) != std::future_status::ready) {
    }
    ASSERT_TRUE(channel.IsBusy());
    const std::vector<uint8_t> frame(510, 0x33);
    EXPECT_EQ(channel.StreamLightFrame(frame.data(), frame.size()), 1);
    EXPECT_EQ(writer.get(), 1);
    EXPECT_TRUE(keyboard.LightPackets().empty());
}

// The UI thread's commands, the light thread's frames and a notification
// reader share one device; every reply must reach the exchange that asked.
TEST_F(DeviceProtocolThreads, LightStreamNotificationsAndCommandsDoNotTear)
{
    SimFirmware& keyboard = Connect("keyboard");
    HidDevice notifications;
    ASSERT_TRUE(notifications.Open(SimDevices::NotificationPath("keyboard"), true, false, true, false));

    std::atomic<bool> stop{false};
    std::atomic<int> lightFailures{0};
    std::atomic<int> framesSent{0};
    std::thread light([&] {
        std::vector<uint8_t> frame(510);
        for (uint8_t step = 0; !stop; ++step) {
            std::fill(frame.begin(), frame.end(), step);
            if (channel.StreamLightFrame(frame.data(), frame.size()) != 1)
                ++lightFailures;
            ++framesSent;
            std::this_thread::sleep_for(1ms);
        }
    });
    std::vector<uint16_t> codes;
    std::thread reader([&] {
        uint8_t report[8];
        size_t count = 0;
        while (notifications.Read(report, sizeof(report), &count, -1)) {
            notifications.UnpackInputReport(report, count);
            codes.push_back(notifications.NotificationCode());
        }
    });

    std::vector<uint16_t> sent;
    for (int round = 0; round < 40; ++round) {
        std::vector<uint8_t> record(26);
        std::iota(record.begin(), record.end(), static_cast<uint8_t>(round));
        const uint16_t base = static_cast<uint16_t>(26 * (round % 5));
        ASSERT_EQ(channel.BeginTransfer(), 1);
        ASSERT_EQ(channel.WriteSettings(record.data(), record.size(), base), 1);
        ASSERT_EQ(channel.EndTransfer(), 1);
        std::vector<uint8_t> back(26);
        ASSERT_EQ(channel.ReadSettings(back.data(), back.size(), base), 1);
        ASSERT_EQ(back, record);
        uint8_t colours[60];
        ASSERT_EQ(channel.ReadKeyColours(colours, sizeof(colours), 1, 512), 1);
        const uint16_t code = static_cast<uint16_t>(0x500 + round);
        ASSERT_TRUE(keyboard.SendNotification(code));
        sent.push_back(code);
    }
    while (framesSent < 20)
        std::this_thread::sleep_for(1ms);
    stop = true;
    light.join();
    std::this_thread::sleep_for(50ms);
    notifications.Close();
    reader.join();

    EXPECT_EQ(lightFailures.load(), 0);
    EXPECT_FALSE(keyboard.LightPackets().empty());
    EXPECT_EQ(codes, sent);
    // Nothing was left unread: every reply went to the exchange that asked.
    uint8_t stale[64];
    size_t count = 0;
    EXPECT_FALSE(channel.DirectInterface().Read(stale, sizeof(stale), &count, 0));
}

} // namespace
