#include "device/HidDevice.h"
#include "device/HidReportDescriptor.h"
#include "device/linux/HidrawConnection.h"
#include "sim/SimDescriptors.h"
#include "tests/device/SimTransport.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

const std::string kMouseVendor = "sim:mouse&vid_320f&pid_7c1f&mi_01&col04";

// The vendor collection of a simulated mouse that echoes what it is sent,
// open for reading and writing.
class OpenEchoMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        transport.PlugEchoProduct("mouse");
        ASSERT_TRUE(device.Open(kMouseVendor, true, true, true, false));
    }
    SimTransport transport;
    HidDevice device;
};

TEST_F(OpenEchoMouse, CloseFromAnotherThreadEndsAnUnlimitedRead)
{
    auto reader = std::async(std::launch::async, [&] {
        uint8_t buffer[64];
        size_t count = 1;
        const bool ok = device.Read(buffer, sizeof(buffer), &count, -1);
        return std::make_pair(ok, count);
    });
    EXPECT_EQ(reader.wait_for(100ms), std::future_status::timeout);
    const auto start = std::chrono::steady_clock::now();
    device.Close();
    ASSERT_EQ(reader.wait_for(2s), std::future_status::ready);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
    const auto [ok, count] = reader.get();
    EXPECT_FALSE(ok);
    EXPECT_EQ(count, 0u);
}

TEST_F(OpenEchoMouse, WriterRunsWhileAReaderWaits)
{
    auto reader = std::async(std::launch::async, [&] {
        uint8_t buffer[64] = {};
        size_t count = 0;
        return device.Read(buffer, sizeof(buffer), &count, 5000) ? buffer[1] : 0;
    });
    std::this_thread::sleep_for(20ms);
    uint8_t report[64] = {4, 0x77};
    size_t count = 0;
    ASSERT_TRUE(device.Write(report, sizeof(report), &count, 1000));
    EXPECT_EQ(reader.get(), 0x77);
}

TEST(HidDeviceThreads, CancelEndsABlockedHidrawRead)
{
    std::vector<HidCollection> collections;
    const auto descriptor = SimDescriptors::CommandInterface();
    HidReportDescriptor::Parse(descriptor.data(), descriptor.size(), collections);
    int ends[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends), 0);
    auto connection = HidrawConnection::Create({}, collections[3], ends[0], true, true);
    auto reader = std::async(std::launch::async, [&] {
        uint8_t buffer[64];
        size_t count = 0;
        return connection->Read(buffer, sizeof(buffer), count, -1);
    });
    EXPECT_EQ(reader.wait_for(100ms), std::future_status::timeout);
    connection->Cancel();
    ASSERT_EQ(reader.wait_for(2s), std::future_status::ready);
    EXPECT_FALSE(reader.get());
    close(ends[1]);
}

TEST_F(OpenEchoMouse, UnplugEndsAnUnlimitedRead)
{
    auto reader = std::async(std::launch::async, [&] {
        uint8_t buffer[64];
        size_t count = 0;
        return device.Read(buffer, sizeof(buffer), &count, -1);
    });
    std::this_thread::sleep_for(20ms);
    transport.Backend().Unplug("mouse");
    ASSERT_EQ(reader.wait_for(2s), std::future_status::ready);
    EXPECT_FALSE(reader.get());
}

} // namespace
