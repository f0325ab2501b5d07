#include "device/HidDevice.h"
#include "sim/SimDescriptors.h"
#include "tests/device/SimTransport.h"
#include "tests/support/CaseName.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

const std::string kMouseVendor = "sim:mouse&vid_320f&pid_7c1f&mi_01&col04";
const std::string kMouseConsumer = "sim:mouse&vid_320f&pid_7c1f&mi_01&col03";

struct HexCase {
    std::string name;
    std::string path;
    std::string key;
    uint16_t expected;
};

class ParseHexField : public ::testing::TestWithParam<HexCase> {};

TEST_P(ParseHexField, ReadsTheNumberAfterTheKey)
{
    EXPECT_EQ(HidDevice::ParseHexField(GetParam().path, GetParam().key), GetParam().expected);
}

const std::string kFull = "/dev/hidraw3&vid_320f&pid_7c1f&mi_01&col04";

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseHexField,
    ::testing::Values(HexCase{"Vendor", kFull, "vid_", 0x320F}, HexCase{"Product", kFull, "pid_", 0x7C1F},
                      HexCase{"Interface", kFull, "&mi_", 1}, HexCase{"Collection", kFull, "&col", 4},
                      HexCase{"UpperCaseKeyInPath", "X&VID_320F&PID_7C1F", "vid_", 0x320F},
                      HexCase{"UpperCaseDigits", "x&vid_ABCD", "vid_", 0xABCD},
                      HexCase{"NoCollection", "/dev/hidraw0&vid_0c76&pid_1630&mi_03", "&col", 0},
                      HexCase{"NoInterface", "/dev/hidraw0&vid_0c76&pid_1630", "&mi_", 0},
                      HexCase{"EndsAtNonHex", "x&mi_1g2", "&mi_", 1},
                      HexCase{"NoDigitFollows", "x&mi_&col02", "&mi_", 0},
                      HexCase{"KeepsLow16Bits", "x&vid_12345", "vid_", 0x2345},
                      HexCase{"EmptyPath", "", "vid_", 0}),
    CaseName());

class HidDeviceOnSim : public ::testing::Test {
protected:
    SimTransport transport;
};

TEST_F(HidDeviceOnSim, EnumerationKeepsEveryPathBeyondTheListGrowth)
{
    // 17 single-collection interfaces: past 4, 8 and 16.
    for (int i = 0; i < 17; ++i) {
        auto interface = std::make_shared<SimHidInterface>("h" + std::to_string(i), HidAttributes{0x0C76, 0x1630, 1},
                                                           3, SimDescriptors::HeadsetInterface());
        transport.Backend().Plug(interface);
    }
    HidDevice device;
    ASSERT_TRUE(device.Enumerate());
    EXPECT_EQ(device.PathCount(), 17u);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(device.NextPath(), "sim:h" + std::to_string(i) + "&vid_0c76&pid_1630&mi_03");
    EXPECT_EQ(device.NextPath(), std::nullopt);
    device.FreePathList();
    EXPECT_EQ(device.PathCount(), 0u);
    EXPECT_EQ(device.NextPath(), std::nullopt);
}

TEST_F(HidDeviceOnSim, OpenTakesAttributesCapabilitiesAndNumbers)
{
    transport.PlugEchoProduct("mouse");
    HidDevice device;
    ASSERT_TRUE(device.Open(kMouseVendor, true, true, true, false));
    EXPECT_TRUE(device.IsOpen());
    EXPECT_EQ(device.Attributes().vendorId, 0x320F);
    EXPECT_EQ(device.Attributes().productId, 0x7C1F);
    EXPECT_EQ(device.Caps().usagePage, 0xFF1C);
    EXPECT_EQ(device.Caps().usage, 0x92);
    EXPECT_EQ(device.Caps().inputReportByteLength, 64);
    EXPECT_EQ(device.Caps().outputReportByteLength, 64);
    EXPECT_EQ(device.InterfaceNumber(), 1);
    EXPECT_EQ(device.CollectionNumber(), 4);
    EXPECT_EQ(device.DevicePath(), kMouseVendor);

    uint8_t report[64] = {4, 0x11, 0x22};
    size_t count = 0;
    ASSERT_TRUE(device.Write(report, sizeof(report), &count, 1000));
    EXPECT_EQ(count, 64u);
    uint8_t reply[64] = {};
    ASSERT_TRUE(device.Read(reply, sizeof(reply), &count, 1000));
    EXPECT_EQ(count, 64u);
    EXPECT_EQ(reply[1], 0x11);

    device.Close();
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(device.Caps().inputReportByteLength, 0);
    EXPECT_FALSE(device.Read(reply, sizeof(reply), &count, 0));
    device.Close(); // closing twice is harmless
}

TEST_F(HidDeviceOnSim, OpenOfVanishedOrWrongPathFailsAndLeavesNothingOpen)
{
    transport.PlugEchoProduct("mouse");
    HidDevice device;
    ASSERT_TRUE(device.Open(kMouseVendor, true, true, true, false));
    transport.Backend().Unplug("mouse");
    EXPECT_FALSE(device.Open(kMouseVendor, true, true, true, false));
    EXPECT_FALSE(device.IsOpen());
    transport.PlugEchoProduct("mouse");
    EXPECT_FALSE(device.Open("sim:mouse&vid_320f&pid_7c1f&mi_01&col05", true, false, true, false));
    EXPECT_FALSE(device.Open("sim:mouse&vid_320f&pid_7c20&mi_01&col04", true, false, true, false));
    EXPECT_FALSE(device.IsOpen());
}

TEST_F(HidDeviceOnSim, PresenceProbeOpensButMovesNoReports)
{
    transport.PlugEchoProduct("mouse");
    HidDevice probe;
    ASSERT_TRUE(probe.Open(kMouseVendor, false, false, false, false));
    uint8_t report[64] = {4};
    size_t count = 0;
    EXPECT_FALSE(probe.Write(report, sizeof(report), &count, 100));
    EXPECT_FALSE(probe.Read(report, sizeof(report), &count, 0));
}

TEST_F(HidDeviceOnSim, TimedReadOnSilentInterfaceEndsAfterItsTimeOutAndNextReadWorks)
{
    auto model = std::make_shared<SimEchoModel>();
    transport.PlugEchoProduct("mouse", model);
    HidDevice device;
    ASSERT_TRUE(device.Open(kMouseVendor, true, true, true, false));
    uint8_t reply[64] = {};
    size_t count = 99;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(device.Read(reply, sizeof(reply), &count, 1000));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(count, 0u);
    EXPECT_GE(waited, std::chrono::milliseconds(990));
    EXPECT_LT(waited, std::chrono::milliseconds(3000));

    uint8_t report[64] = {4, 0x5A};
    ASSERT_TRUE(device.Write(report, sizeof(report), &count, 1000));
    ASSERT_TRUE(device.Read(reply, sizeof(reply), &count, 1000));
    EXPECT_EQ(reply[1], 0x5A);
}

TEST_F(HidDeviceOnSim, ReadHandsOutOnlyReportsOfItsCollection)
{
    transport.PlugEchoProduct("mouse");
    HidDevice consumer;
    HidDevice vendor;
    ASSERT_TRUE(consumer.Open(kMouseConsumer, true, false, true, false));
    ASSERT_TRUE(vendor.Open(kMouseVendor, true, true, true, false));
    uint8_t command[64] = {4, 0x01};
    size_t count = 0;
    ASSERT_TRUE(vendor.Write(command, sizeof(command), &count, 1000)); // echoed as report 4
    uint8_t notification[64] = {3, 0x01, 0x04};
    ASSERT_TRUE(vendor.Write(notification, 3, &count, 1000)); // echoed as report 3

    uint8_t buffer[64] = {};
    ASSERT_TRUE(consumer.Read(buffer, sizeof(buffer), &count, 1000));
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(buffer[0], 3);
    EXPECT_EQ(consumer.UnpackInputReport(buffer, count), HidStatus::Success);
    EXPECT_EQ(consumer.NotificationCode(), 0x401);
    EXPECT_FALSE(consumer.Read(buffer, sizeof(buffer), &count, 0));

    ASSERT_TRUE(vendor.Read(buffer, sizeof(buffer), &count, 1000));
    EXPECT_EQ(buffer[0], 4);
    EXPECT_FALSE(vendor.Read(buffer, sizeof(buffer), &count, 0));
}

TEST_F(HidDeviceOnSim, UnpluggedInterfaceFailsReadsAndWrites)
{
    auto model = std::make_shared<SimEchoModel>();
    transport.PlugEchoProduct("mouse", model);
    HidDevice device;
    ASSERT_TRUE(device.Open(kMouseVendor, true, true, true, false));
    uint8_t report[64] = {4};
    size_t count = 0;
    model->SetWritesFail(true);
    EXPECT_FALSE(device.Write(report, sizeof(report), &count, 1000));
    model->SetWritesFail(false);
    transport.Backend().Unplug("mouse");
    EXPECT_FALSE(device.Write(report, sizeof(report), &count, 1000));
    EXPECT_FALSE(device.Read(report, sizeof(report), &count, -1)); // no wait: the node is gone
}

} // namespace
